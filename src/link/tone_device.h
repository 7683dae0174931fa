// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "link/system_roots.h"

namespace qz5 {

class PortTable;

// The device a test tone went out on, known by what stays true of it while it
// is plugged in: its /dev/serial/by-id name where it has one, else its path
// together with its device number. After a removal and a plug-in, the tone's
// COM name may stand for another device, which must not get the Stop Sending
// meant for this one.
struct ToneDevice {
    std::string byIdName;  // empty when it has none
    std::string path;
    std::uint64_t deviceNumber = 0;

    // The device behind `path` now; nothing when it is gone.
    static std::optional<ToneDevice> at(const std::string& path, const SystemRoots& roots);
    // Its COM name in `ports` while it is present there.
    std::optional<std::string> nameIn(const PortTable& ports, const SystemRoots& roots) const;
};

}  // namespace qz5
