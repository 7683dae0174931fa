#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <vector>

#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

// What the tool says and does differently on each system.

// The help paragraph on how --port names a port here.
const char* portsHelp();

struct PlatformCommand {
    CLI::App* command;
    std::function<ExitStatus()> run;
};

// Whether stderr is a terminal a person watches, so progress may be shown there.
bool stderrIsTerminal();

// Adds the sub-commands that only this system has; each runs when parsed.
std::vector<PlatformCommand> addPlatformCommands(CLI::App& app);

}  // namespace qz5
