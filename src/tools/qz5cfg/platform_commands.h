// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace qz5 {

class CommandSet;

// What the tool says and does differently on each system.

// The help paragraph on how --port names a port here.
std::string portsHelp();

// Whether stderr is a terminal a person watches, so progress may be shown there.
bool stderrIsTerminal();

// The sub-command ports, which lists what this system calls serial ports.
void addPortsCommand(CommandSet& commands);

}  // namespace qz5
