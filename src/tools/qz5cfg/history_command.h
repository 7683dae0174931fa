// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>

#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

class CommandSet;

// Lists the images kept in the history, the one stored last first: time
// (UTC), direction, port, version and file, one line each. A folder that
// cannot be read is a failure, after what could be read.
ExitStatus runHistory(std::ostream& out);

// The same as a JSON array, each image with its sequence number, time,
// kind, port, version, both profiles' callsigns and file; a file that does
// not read as a configuration file has no callsigns and says why.
ExitStatus runHistoryJson(std::ostream& out);

// Prints the record of the image whose name begins with the number `number`
// (decimal, leading zeros as the name has them), as show prints a file.
ExitStatus runHistoryShow(const std::string& number, std::ostream& out);

// The sub-command history, with --json and its own sub-command show N.
void addHistoryCommand(CommandSet& commands);

}  // namespace qz5
