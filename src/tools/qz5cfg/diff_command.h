// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>

#include "config/config_image.h"
#include "tools/qz5cfg/record_source.h"

namespace qz5 {

class CommandSet;

// The exit statuses of diff(1), not the tool's usual ones.
enum class DiffStatus { Same = 0, Different = 1, Trouble = 2 };

// Compares the settings two sides hold, each a configuration file, a JSON
// record (as it would be written) or "tracker:PORT": every differing field by
// its JSON name with both values, then one line when only the bytes differ.
DiffStatus runDiff(const std::string& left, const std::string& right,
                   const TrackerImageReader& readTracker, std::ostream& out);

// The same comparison of two images already at hand.
DiffStatus compareImages(const ConfigImage& left, const ConfigImage& right, std::ostream& out);

// The sub-command diff.
void addDiffCommand(CommandSet& commands);

}  // namespace qz5
