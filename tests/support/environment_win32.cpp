// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include "support/environment.h"

namespace qz5::testing {

void setEnvironment(const char* name, const std::string& value) {
    _putenv_s(name, value.c_str());
}

}  // namespace qz5::testing
