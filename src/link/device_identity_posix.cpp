// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include "link/device_identity.h"

namespace qz5 {

std::optional<DeviceIdentity> deviceIdentity(const std::string& path) {
    struct stat device {};
    if (::stat(path.c_str(), &device) != 0) {
        return std::nullopt;
    }
    return DeviceIdentity{path, static_cast<std::uint64_t>(device.st_rdev), device.st_uid,
                          device.st_mode};
}

}  // namespace qz5
