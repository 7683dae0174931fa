// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "link/system_roots.h"

namespace qz5 {

// A descriptor that becomes readable when serial devices may have come or
// gone, for the caller's event loop to watch.
class DeviceEvents {
  public:
    // udev's own events (sent once its rules ran and the node exists) where a
    // udev daemon serves the real /dev; otherwise the device folder watched
    // with inotify, which is all a container or CI machine has. Null when
    // neither can be had.
    static std::unique_ptr<DeviceEvents> open(const SystemRoots& roots);

    virtual ~DeviceEvents() = default;
    virtual int fd() const = 0;
    // Takes in everything pending; true when some of it may concern a port.
    virtual bool drain() = 0;
};

}  // namespace qz5
