// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace qz5 {

// The program's command line, its name first, as narrow text: argv as it is
// on POSIX systems, and on Windows the UTF-16 command line in UTF-8 (argv
// there has lost every character outside the ANSI code page).
std::vector<std::string> commandLineArguments(int argc, char** argv);

}  // namespace qz5
