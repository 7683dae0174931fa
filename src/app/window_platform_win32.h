// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <filesystem>

#include "common/text.h"

namespace qz5 {

// The call through which the program takes its parent's console; tests put
// a recorder in its place.
extern BOOL(WINAPI* attachConsoleCall)(DWORD processId);

// Lets this process draw in the faces of the font file `file`. What the user
// should know when the file is missing or holds no face Qt can use, else
// nothing.
Text lendFont(const std::filesystem::path& file);

}  // namespace qz5
