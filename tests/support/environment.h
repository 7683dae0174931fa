// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace qz5::testing {

// Sets a variable of this process's environment, which child programs inherit.
void setEnvironment(const char* name, const std::string& value);

}  // namespace qz5::testing
