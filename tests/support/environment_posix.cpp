// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include "support/environment.h"

namespace qz5::testing {

void setEnvironment(const char* name, const std::string& value) {
    setenv(name, value.c_str(), 1);
}

}  // namespace qz5::testing
