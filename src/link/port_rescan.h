#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

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

// A port list rescan after devices came or went. Opening a serial device
// raises DTR and RTS, which keys the transmitter of some radio interfaces, so
// a listed device that is still present as it was keeps its entry without an
// open: these are the paths returned. Every other present device (new,
// changed, or refused before and perhaps free now) is opened to be listed.
std::set<std::string> devicesListedAsBefore(const std::vector<DeviceIdentity>& listed,
                                            const std::vector<DeviceIdentity>& present);

}  // namespace qz5
