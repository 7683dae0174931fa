// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/port_table.h"
#include "sim/pty_tracker.h"

namespace qz5 {

// A simulated tracker on a pseudo-terminal, reachable as COM1: what the demo
// window talks to instead of hardware.
class DemoTracker {
  public:
    DemoTracker() : ports_({{"COM1", tracker_.slavePath()}}) {}

    const PortTable& ports() const { return ports_; }
    PtyTracker& tracker() { return tracker_; }

  private:
    PtyTracker tracker_;
    PortTable ports_;
};

}  // namespace qz5
