// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/json_output.h"

#include <array>
#include <cstdio>

namespace qz5 {

std::string escapeC1Controls(const std::string& json) {
    // In UTF-8 these are C2 80..C2 9F; C2 only ever leads a character, and
    // outside strings a JSON text is ASCII.
    std::string escaped;
    escaped.reserve(json.size());
    for (std::size_t i = 0; i < json.size(); ++i) {
        const auto next = i + 1 < json.size() ? static_cast<unsigned char>(json[i + 1]) : 0u;
        if (static_cast<unsigned char>(json[i]) == 0xC2 && next >= 0x80 && next <= 0x9F) {
            std::array<char, 8> code{};
            std::snprintf(code.data(), code.size(), "\\u%04x", next);
            escaped += code.data();
            ++i;
        } else {
            escaped += json[i];
        }
    }
    return escaped;
}

}  // namespace qz5
