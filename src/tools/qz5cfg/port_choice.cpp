// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/port_choice.h"

#include <charconv>

namespace qz5 {

namespace {

constexpr int kHighestComNumber = 20;

// The link keeps at most 9 characters of a name, so a device path cannot be
// the name itself; it is reached under this one.
constexpr const char* kDevicePortName = "COM1";

bool isComName(std::string_view port) {
    constexpr std::string_view kPrefix = "COM";
    if (!port.starts_with(kPrefix) || port.size() == kPrefix.size()) {
        return false;
    }
    const std::string_view digits = port.substr(kPrefix.size());
    if (digits.front() == '0') {
        return false;
    }
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size() && number >= 1 &&
           number <= kHighestComNumber;
}

}  // namespace

std::optional<PortChoice> choosePort(std::string_view port) {
    if (port.starts_with('/')) {
        return PortChoice{PortTable({{kDevicePortName, std::string(port)}}), kDevicePortName};
    }
    if (isComName(port)) {
        return PortChoice{PortTable::system(), std::string(port)};
    }
    return std::nullopt;
}

}  // namespace qz5
