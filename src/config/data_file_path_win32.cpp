// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <vector>

#include "config/data_file_path.h"

namespace qz5 {

std::filesystem::path installedDataFile(const char* /*debianPath*/, const wchar_t* fileName) {
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return {};
        }
        if (length < name.size()) {
            return std::filesystem::path(std::wstring(name.data(), length)).parent_path() /
                   fileName;
        }
        name.resize(name.size() * 2);
    }
}

}  // namespace qz5
