// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows side of this room's smaller system seams.
#include <string>

#include "link/com_ports_win32.h"
#include "link/device_identity.h"
#include "link/port_holders.h"
#include "link/port_table.h"
#include "link/serial_port_api_win32.h"
#include "link/system_serial_port_api.h"

namespace qz5 {

// A COM name is all Windows gives: the port list keeps what it listed under it.
std::optional<DeviceIdentity> deviceIdentity(const std::string& path) {
    DeviceIdentity identity;
    identity.path = path;
    return identity;
}

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

SerialPortApi& systemSerialPortApi() {
    static Win32SerialPortApi api;
    return api;
}

// A port that another program has open refuses the exclusive open already.
OtherHolders OtherHolders::look(const SystemRoots&) {
    return {};
}

bool OtherHolders::hold(const std::string&) const {
    return false;
}

}  // namespace qz5
