// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/com_port_names.h"

#include <algorithm>

namespace qz5 {

namespace {

bool isComPortName(std::wstring_view name) {
    constexpr std::wstring_view kPrefix = L"COM";
    if (!name.starts_with(kPrefix) || name.size() == kPrefix.size() ||
        name[kPrefix.size()] == L'0') {
        return false;
    }
    return std::all_of(name.begin() + kPrefix.size(), name.end(),
                       [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

}  // namespace

std::vector<std::string> comPortNames(std::wstring_view deviceNames) {
    std::vector<std::string> names;
    while (!deviceNames.empty()) {
        const std::wstring_view name = deviceNames.substr(0, deviceNames.find(L'\0'));
        deviceNames.remove_prefix(std::min(name.size() + 1, deviceNames.size()));
        if (isComPortName(name)) {
            names.emplace_back(name.begin(), name.end());  // ASCII by the check above
        }
    }
    // Without leading zeros, the shorter number is the smaller one.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

}  // namespace qz5
