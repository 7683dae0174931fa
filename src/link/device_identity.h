// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qz5 {

// What tells a device apart from another that later takes its name, and what
// changes when someone changes who may use it. Where a system has no device
// numbers, owners or modes, the path alone.
struct DeviceIdentity {
    std::string path;
    std::uint64_t deviceNumber = 0;
    std::uint32_t owner = 0;
    std::uint32_t mode = 0;

    bool operator==(const DeviceIdentity&) const = default;
};

// The device at `path` as it is now, behind any link; nothing when it is gone.
std::optional<DeviceIdentity> deviceIdentity(const std::string& path);

}  // namespace qz5
