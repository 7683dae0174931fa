// SPDX-License-Identifier: GPL-3.0-or-later
// The POSIX side of this room's smaller system seams.
#include "common/command_line.h"

namespace qz5 {

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

}  // namespace qz5
