// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/device_identity.h"

namespace qz5 {

// A COM name is all Windows gives: the port list keeps what it listed under it.
std::optional<DeviceIdentity> deviceIdentity(const std::string& path) {
    DeviceIdentity identity;
    identity.path = path;
    return identity;
}

}  // namespace qz5
