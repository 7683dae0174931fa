// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

class CommandSet;

// Prints when the tracker sends its beacons, for one profile of a
// configuration file or JSON record or for both: a table per profile with
// its notes, or with asJson an array of one object per profile.
ExitStatus runTiming(const std::string& path, std::optional<int> profile, bool asJson,
                     std::ostream& out);

void addTimingCommand(CommandSet& commands);

}  // namespace qz5
