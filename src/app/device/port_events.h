// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include "link/system_roots.h"

namespace qz5 {

// Says, on the GUI thread, when the system reports that serial ports may
// have come or gone: udev's events or inotify through a descriptor on Linux,
// WM_DEVICECHANGE messages on Windows. Listening ends with the object.
class PortEvents {
  public:
    // Null when the system offers no such reports here.
    static std::unique_ptr<PortEvents> listen(const SystemRoots& roots,
                                              std::function<void()> changed);
    virtual ~PortEvents() = default;
};

}  // namespace qz5
