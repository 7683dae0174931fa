// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/demo_hookup.h"

namespace qz5 {

std::unique_ptr<DemoHookup> startDemo(std::string& error) {
    error = "the simulated tracker needs pseudo-terminals, which this system does not have";
    return nullptr;
}

}  // namespace qz5
