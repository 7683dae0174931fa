// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

namespace qz5 {

// The call through which the program takes its parent's console; tests put
// a recorder in its place.
extern BOOL(WINAPI* attachConsoleCall)(DWORD processId);

}  // namespace qz5
