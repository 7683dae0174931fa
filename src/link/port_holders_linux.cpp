// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_holders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "link/device_identity.h"
#include "link/port_diagnostics.h"

namespace qz5 {

OtherHolders OtherHolders::look(const SystemRoots& roots) {
    OtherHolders holders;
    const int self = getpid();
    forEachOpenFile(roots, [&](int pid, const struct stat& file) {
        if (pid != self && S_ISCHR(file.st_mode)) {
            holders.devices_.push_back(static_cast<std::uint64_t>(file.st_rdev));
        }
        return true;
    });
    return holders;
}

bool OtherHolders::hold(const std::string& devicePath) const {
    const auto device = deviceIdentity(devicePath);
    return device && S_ISCHR(device->mode) &&
           std::ranges::find(devices_, device->deviceNumber) != devices_.end();
}

}  // namespace qz5
