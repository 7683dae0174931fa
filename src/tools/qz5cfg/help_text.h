// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace qz5 {

// What `qz5cfg --help` says after the list of commands: each command in
// detail, ports, the history, messages, exit statuses and the JSON form, whose
// field names come from the record's table.
std::string helpFooter();

// The names check --ignore accepts, as a paragraph of check's help.
std::string rulesHelp();

}  // namespace qz5
