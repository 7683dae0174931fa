// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include "language/language_choice.h"

namespace qz5 {

std::vector<std::string> systemLanguages() {
    return languagesFromEnvironment([](const char* name) { return std::getenv(name); });
}

}  // namespace qz5
