// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "link/port_table.h"

namespace qz5 {

// The port a device command talks to: the table the link resolves names
// through, and the name to give it.
struct PortChoice {
    PortTable table;
    std::string name;
};

// What --port says in place of a port to have the tracker looked for.
inline constexpr std::string_view kAutoPort = "auto";

// "COM1".."COM255", in any case and also as "\\.\COM23", go through the
// system's table under their plain upper-case name; a device path (anything
// starting with '/') gets a table of its own. Anything else: nothing.
std::optional<PortChoice> choosePort(std::string_view port);

}  // namespace qz5
