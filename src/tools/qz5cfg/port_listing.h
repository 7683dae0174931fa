// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "link/ignored_lock.h"
#include "link/port_catalogue.h"
#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

// One serial port as `qz5cfg ports` lists it.
struct ListedPort {
    std::optional<std::string> comName;
    PortDevice device;
    std::string reason;  // why it cannot be opened; empty when it can
    std::vector<IgnoredLock> ignoredLocks;
};

// The list as text for a person, or with `asJson` for scripts; then the
// adapters that are plugged in but have no port, one line each. Succeeds
// when the listing could be written, also when it is empty.
ExitStatus printPorts(const std::vector<ListedPort>& ports, const std::vector<Text>& adapters,
                      bool asJson, std::ostream& out);

// What `ports` was asked for, on every system.
struct PortsOptions {
    bool asJson = false;
    bool find = false;
};
// Adds --json and --find, which exclude each other, to the ports command.
void addPortsOptions(CLI::App& ports, PortsOptions& options);

}  // namespace qz5
