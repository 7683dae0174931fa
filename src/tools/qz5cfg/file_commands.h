// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "tools/qz5cfg/exit_status.h"
#include "tools/qz5cfg/field_setting.h"

namespace qz5 {

class CommandSet;

// Reads a configuration file as Load does, or a JSON record as a file would
// hold it, and prints the decoded record (built with the defaults first) as
// JSON; with settings (applySettings), the record the file would hold with
// them.
ExitStatus runShow(const std::string& path, const std::vector<std::string>& settings,
                   std::ostream& out);

// Applies a JSON record, then the changes, to the defaults and saves it as
// Save does. With `strict`, the check's findings go to `findings` first and
// an error among them saves nothing (Failed).
ExitStatus runBuild(const std::string& jsonPath, const RecordChanges& changes,
                    const std::string& outPath, bool strict, std::ostream& findings);

// The sub-commands show and build.
void addShowCommand(CommandSet& commands);
void addBuildCommand(CommandSet& commands);

}  // namespace qz5
