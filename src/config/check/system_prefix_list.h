// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "config/check/prefix_list.h"

namespace qz5 {

// The callsign-prefix list on this system, read on first use and kept for the
// life of the process; null when there is none or it cannot be read, and then
// the check names no country. The environment variable QZ5_PREFIX_LIST names
// another file in its place.
const PrefixList* systemPrefixList();
// Why the list is missing or was read only in part, naming the file; empty
// when it was read whole or the system has none at the usual place.
const std::string& systemPrefixListProblem();

// Where the list is when the variable names none: Debian's hamradio-files
// package, or on Windows the program's own folder.
std::filesystem::path installedPrefixListPath();

}  // namespace qz5
