// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_table.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <vector>

namespace qz5 {

namespace {

// Adapters first, since a machine's built-in ports rarely reach a tracker.
constexpr std::array<std::string_view, 5> kDeviceGroups{"ttyUSB", "ttyACM", "ttyS", "ttyAMA",
                                                        "rfcomm"};

// The number after the group's prefix, as text: digits only, at least one.
std::optional<std::string_view> deviceNumber(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix) || name.size() == prefix.size()) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(prefix.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return digits;
}

// Compares digit strings by value without converting them, so no length of
// name can overflow; equal values fall back to the text ("ttyS01" after "ttyS1").
bool numericallyBefore(std::string_view a, std::string_view b) {
    const auto significant = [](std::string_view digits) {
        return digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
    };
    const auto sa = significant(a);
    const auto sb = significant(b);
    if (sa.size() != sb.size()) {
        return sa.size() < sb.size();
    }
    return sa != sb ? sa < sb : a.size() < b.size();
}

std::vector<std::string> groupMembers(const std::vector<std::string>& names,
                                      std::string_view prefix) {
    std::vector<std::string> members;
    std::copy_if(
        names.begin(), names.end(), std::back_inserter(members),
        [prefix](const std::string& name) { return deviceNumber(name, prefix).has_value(); });
    std::sort(members.begin(), members.end(), [prefix](const std::string& a, const std::string& b) {
        return numericallyBefore(*deviceNumber(a, prefix), *deviceNumber(b, prefix));
    });
    return members;
}

// Every ttyS node exists whether or not a UART is behind it; sysfs, readable
// by all, says which have none.
bool isPhantomUart(const std::string& name, const std::string& sysRoot) {
    if (!name.starts_with("ttyS")) {
        return false;
    }
    std::ifstream type(std::filesystem::path(sysRoot) / "class/tty" / name / "type");
    int value = -1;
    return type >> value && value == 0;
}

std::string comName(int number) {
    return "COM" + std::to_string(number);
}

}  // namespace

std::vector<std::string> PortTable::serialDevices(const SystemRoots& roots) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(roots.devDir, error), end; !error && it != end;
         it.increment(error)) {
        // A directory of the right name is no device; a link to one counts.
        std::error_code typeError;
        if (!it->is_directory(typeError)) {
            names.push_back(it->path().filename().string());
        }
    }
    std::vector<std::string> devices;
    for (const std::string_view prefix : kDeviceGroups) {
        for (const std::string& name : groupMembers(names, prefix)) {
            if (!isPhantomUart(name, roots.sysRoot)) {
                devices.push_back((fs::path(roots.devDir) / name).string());
            }
        }
    }
    return devices;
}

PortTable PortTable::scanSystem(const SystemRoots& roots) {
    PortTable table;
    table.followSystem(roots);
    return table;
}

const PortTable& PortTable::system() {
    static const PortTable table = scanSystem();
    return table;
}

void PortTable::assign(std::string name, std::string devicePath) {
    devicesByName_.insert_or_assign(std::move(name), std::move(devicePath));
}

void PortTable::follow(const std::vector<std::string>& presentDevices) {
    std::erase_if(devicesByName_, [&](const auto& entry) {
        return std::find(presentDevices.begin(), presentDevices.end(), entry.second) ==
               presentDevices.end();
    });
    int number = 1;
    for (const std::string& device : presentDevices) {
        if (nameOf(device)) {
            continue;
        }
        while (number <= kHighestComNumber && devicesByName_.contains(comName(number))) {
            ++number;
        }
        if (number > kHighestComNumber) {
            return;
        }
        assign(comName(number), device);
    }
}

std::optional<std::string> PortTable::nameOf(std::string_view devicePath) const {
    const auto found = std::find_if(devicesByName_.begin(), devicesByName_.end(),
                                    [&](const auto& entry) { return entry.second == devicePath; });
    if (found == devicesByName_.end()) {
        return std::nullopt;
    }
    return found->first;
}

std::optional<std::string> PortTable::devicePath(std::string_view name) const {
    const auto found = devicesByName_.find(name);
    if (found == devicesByName_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace qz5
