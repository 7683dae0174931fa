// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace qz5 {

// The name under /dev/serial/by-id that leads to the device, which stays the
// same from one plug-in to the next; the path itself when it has none.
std::string stablePortName(const std::string& devicePath,
                           const std::filesystem::path& byIdFolder = "/dev/serial/by-id");

}  // namespace qz5
