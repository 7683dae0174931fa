// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <vector>

#include "config/check/system_prefix_list.h"

namespace qz5 {

// The zip and the installer put cty.dat beside the programs.
std::filesystem::path installedPrefixListPath() {
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return {};
        }
        if (length < name.size()) {
            return std::filesystem::path(std::wstring(name.data(), length)).parent_path() /
                   L"cty.dat";
        }
        name.resize(name.size() * 2);
    }
}

}  // namespace qz5
