// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

class CommandSet;

// Prints when the tracker sends its beacons, for one profile of a
// configuration file or JSON record (the defaults when `path` is empty), with
// the presets (N=NAME) applied, or for both profiles, or for those the
// presets set: a table per profile with its notes, or with asJson an array
// of one object per profile.
ExitStatus runTiming(const std::string& path, const std::vector<std::string>& presets,
                     std::optional<int> profile, bool asJson, std::ostream& out);

void addTimingCommand(CommandSet& commands);

}  // namespace qz5
