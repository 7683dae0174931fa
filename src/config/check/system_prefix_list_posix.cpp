// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/check/system_prefix_list.h"

namespace qz5 {

std::filesystem::path installedPrefixListPath() {
    return "/usr/share/hamradio-files/cty.dat";
}

}  // namespace qz5
