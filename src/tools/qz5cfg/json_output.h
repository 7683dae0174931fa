// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

namespace qz5 {

// Texts from a file, a tracker, an adapter or the symbol list may hold the C1
// controls U+0080..U+009F, which many terminals obey (U+009B opens a control
// sequence); the library writes them raw. This writes them as \u0080..\u009f,
// the same JSON value.
std::string escapeC1Controls(const std::string& json);

// Every JSON the tool prints goes out this way, indented for people.
template <typename Json>
void printJson(std::ostream& out, const Json& value) {
    out << escapeC1Controls(value.dump(2)) << '\n';
}

}  // namespace qz5
