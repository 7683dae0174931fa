// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/tone_device.h"

#include <filesystem>

#include "link/device_identity.h"
#include "link/port_table.h"
#include "link/stable_port_name.h"

namespace qz5 {

namespace {

bool sameDevice(const ToneDevice& a, const ToneDevice& b) {
    // A by-id name follows the adapter to whatever node it gets next time.
    if (!a.byIdName.empty() || !b.byIdName.empty()) {
        return a.byIdName == b.byIdName;
    }
    return a.path == b.path && a.deviceNumber == b.deviceNumber;
}

}  // namespace

std::optional<ToneDevice> ToneDevice::at(const std::string& path, const SystemRoots& roots) {
    const auto identity = deviceIdentity(path);
    if (!identity) {
        return std::nullopt;
    }
    const std::string stable =
        stablePortName(path, std::filesystem::path(roots.devDir) / "serial/by-id");
    return ToneDevice{stable == path ? std::string() : stable, path, identity->deviceNumber};
}

std::optional<std::string> ToneDevice::nameIn(const PortTable& ports,
                                              const SystemRoots& roots) const {
    for (const auto& [name, portPath] : ports.entries()) {
        if (const auto device = at(portPath, roots); device && sameDevice(*device, *this)) {
            return name;
        }
    }
    return std::nullopt;
}

}  // namespace qz5
