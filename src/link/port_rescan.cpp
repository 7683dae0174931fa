// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_rescan.h"

#include <algorithm>

namespace qz5 {

std::set<std::string> devicesListedAsBefore(const std::vector<DeviceIdentity>& listed,
                                            const std::vector<DeviceIdentity>& present) {
    std::set<std::string> kept;
    for (const DeviceIdentity& device : present) {
        if (std::find(listed.begin(), listed.end(), device) != listed.end()) {
            kept.insert(device.path);
        }
    }
    return kept;
}

}  // namespace qz5
