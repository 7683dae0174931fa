// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qz5 {

// The COM port names ("COM1", "COM12", ...) among a list of DOS device names
// (zero-separated, as QueryDosDeviceW gives them), in number order. Names
// with a leading zero or anything after the digits are no ports.
std::vector<std::string> comPortNames(std::wstring_view deviceNames);

}  // namespace qz5
