// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/port_choice.h"

#include <algorithm>
#include <charconv>

namespace qz5 {

namespace {

// The link keeps at most 9 characters of a name, so a device path cannot be
// the name itself; it is reached under this one.
constexpr const char* kDevicePortName = "COM1";

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// "COM23" for "com23", "COM23" or the device namespace's "\\.\COM23", which
// Windows users copy from other tools; nothing for any other text.
std::optional<std::string> comName(std::string_view port) {
    constexpr std::string_view kDeviceNamespace = "\\\\.\\";
    if (port.starts_with(kDeviceNamespace)) {
        port.remove_prefix(kDeviceNamespace.size());
    }
    constexpr std::string_view kPrefix = "COM";
    if (port.size() <= kPrefix.size() ||
        !equalIgnoringCase(port.substr(0, kPrefix.size()), kPrefix)) {
        return std::nullopt;
    }
    const std::string_view digits = port.substr(kPrefix.size());
    if (digits.front() == '0') {
        return std::nullopt;
    }
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number < 1 ||
        number > kHighestComNumber) {
        return std::nullopt;
    }
    return "COM" + std::to_string(number);
}

}  // namespace

std::optional<PortChoice> choosePort(std::string_view port) {
    if (port.starts_with('/')) {
        return PortChoice{PortTable({{kDevicePortName, std::string(port)}}), kDevicePortName};
    }
    if (auto name = comName(port)) {
        return PortChoice{PortTable::system(), std::move(*name)};
    }
    return std::nullopt;
}

}  // namespace qz5
