// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/strict_latin1.h"

namespace qz5 {

std::string latin1ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::optional<std::string> utf8ToLatin1(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            bytes += text[i];
            continue;
        }
        // Only U+0080..U+00FF fit a byte: lead C2 or C3 and one continuation.
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 == text.size()) {
            return std::nullopt;
        }
        const auto next = static_cast<unsigned char>(text[++i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        bytes += static_cast<char>(((lead & 0x1F) << 6) | (next & 0x3F));
    }
    return bytes;
}

}  // namespace qz5
