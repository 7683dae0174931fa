// SPDX-License-Identifier: GPL-3.0-or-later
// The POSIX side of this room's smaller system seams.
#include <sys/stat.h>

#include "link/device_identity.h"
#include "link/port_table.h"
#include "link/serial_port_api_posix.h"
#include "link/system_serial_port_api.h"

namespace qz5 {

std::optional<DeviceIdentity> deviceIdentity(const std::string& path) {
    struct stat device {};
    if (::stat(path.c_str(), &device) != 0) {
        return std::nullopt;
    }
    return DeviceIdentity{path, static_cast<std::uint64_t>(device.st_rdev), device.st_uid,
                          device.st_mode};
}

void PortTable::followSystem(const SystemRoots& roots) {
    follow(serialDevices(roots));
}

SerialPortApi& systemSerialPortApi() {
    return PosixSerialPortApi::instance();
}

}  // namespace qz5
