#pragma once

#include <iosfwd>
#include <string>

#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

// Reads a configuration file as Load does and prints the decoded record
// (built with the defaults first) as JSON.
ExitStatus runShow(const std::string& path, std::ostream& out);

// Applies a JSON record to the defaults and saves it as Save does.
ExitStatus runBuild(const std::string& jsonPath, const std::string& outPath);

// Lists the images kept in the history, the one stored last first: time
// (UTC), direction, port, version and file, one line each.
ExitStatus runHistory(std::ostream& out);

}  // namespace qz5
