// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows side of this room's smaller system seams.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "common/command_line.h"
#include "common/private_folder.h"
#include "common/wide_text_win32.h"

namespace qz5 {

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(narrowText(wide[i], CP_UTF8));
    }
    LocalFree(wide);
    return arguments;
}

// %LOCALAPPDATA% is the user's own; its permissions are the system's to set.
Text privateFolderProblem(const std::filesystem::path& /*folder*/, bool /*makePrivate*/,
                          bool* /*tightened*/) {
    return {};
}

}  // namespace qz5
