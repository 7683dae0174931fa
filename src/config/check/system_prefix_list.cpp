// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/check/system_prefix_list.h"

#include <cstdlib>

namespace qz5 {

const PrefixList* systemPrefixList() {
    // A function-local static is built once, even with several threads asking.
    static const std::optional<PrefixList> list = [] {
        const char* chosen = std::getenv("QZ5_PREFIX_LIST");
        return PrefixList::load(chosen != nullptr && chosen[0] != '\0'
                                    ? std::filesystem::path(chosen)
                                    : installedPrefixListPath());
    }();
    return list ? &*list : nullptr;
}

}  // namespace qz5
