// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>

#include "link/tracker_search.h"
#include "tools/qz5cfg/exit_status.h"
#include "tools/qz5cfg/port_choice.h"

namespace qz5 {

class PortTable;
class SerialPortApi;

// Asks every port of `table` that opens for the tracker's version, after a
// line on `err` that says what that sends. With `showSteps`, `err` also gets
// a line for each port and rate as it is asked.
TrackerSearch searchForTracker(SerialPortApi& api, const PortTable& table, std::ostream& err,
                               bool showSteps);

// qz5cfg ports --find: one line per port on `out`. Ok when a tracker
// answered, Failed when none did.
ExitStatus runFindTracker(SerialPortApi& api, const PortTable& table, std::ostream& out,
                          std::ostream& err, bool showSteps);

// --port auto: the one port where a tracker answered; nothing, after saying
// why, when none or more than one did.
std::optional<PortChoice> findAutoPort(SerialPortApi& api, const PortTable& table,
                                       std::ostream& err, bool showSteps);

}  // namespace qz5
