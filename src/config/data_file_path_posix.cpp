// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/data_file_path.h"

namespace qz5 {

std::filesystem::path installedDataFile(const char* debianPath, const wchar_t* /*fileName*/) {
    return debianPath;
}

}  // namespace qz5
