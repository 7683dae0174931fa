// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "link/com_ports_win32.h"
#include "link/port_table.h"

namespace qz5 {

// Windows names its ports itself, so a port keeps its name whatever else
// comes or goes. Only the device namespace reaches COM10 and above, so every
// name goes through it.
void PortTable::followSystem(const SystemRoots&) {
    devicesByName_.clear();
    for (const std::string& name : systemComPortNames()) {
        // Up to three digits, so a driver's odd long name cannot overflow.
        if (name.size() <= 6 && std::stoi(name.substr(3)) <= kHighestComNumber) {
            assign(name, "\\\\.\\" + name);
        }
    }
}

}  // namespace qz5
