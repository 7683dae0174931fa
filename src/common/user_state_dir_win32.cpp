// SPDX-License-Identifier: GPL-3.0-or-later
#include <shlobj.h>
#include <windows.h>

#include <cstdlib>

#include "common/user_state_dir.h"

namespace qz5 {

namespace {

std::filesystem::path localAppData() {
    // The variable first, so that a test or a portable set-up can move it.
    if (const wchar_t* value = _wgetenv(L"LOCALAPPDATA"); value != nullptr && value[0] != L'\0') {
        return value;
    }
    PWSTR known = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &known))) {
        folder = known;
    }
    CoTaskMemFree(known);
    return folder;
}

}  // namespace

std::filesystem::path userStateBase() {
    return localAppData();
}

std::filesystem::path userStateDir() {
    const std::filesystem::path base = localAppData();
    return base.empty() ? base : base / "qz5-config";
}

std::filesystem::path userConfigDir() {
    return userStateDir();
}

// The folder is the user's own by the system's say: there is nothing to tell.
Notices takeUserFolderNotices() {
    return {};
}

}  // namespace qz5
