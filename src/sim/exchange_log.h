#pragma once

#include <string>

#include "sim/pty_tracker.h"

namespace qz5 {

// One line of the simulator's log, timed from `origin`, bytes in hex:
// "+1.234s 4800 rx 1B 1B 56", "+1.262s 4800 tx 4F 56 ...", "+0.000s open".
// Bytes sent at a rate the tracker does not listen at end in "(ignored)".
std::string formatWireEvent(const WireEvent& event, WireClock::time_point origin);

}  // namespace qz5
