// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/outside_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace qz5 {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at `at`, or 0 when it is none
// (a stray or missing continuation byte, an overlong form, a surrogate, or a
// value above U+10FFFF).
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    std::uint32_t value = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() - at < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!isContinuation(byte)) {
            return 0;
        }
        value = (value << 6) | (byte & 0x3Fu);
    }
    constexpr std::array<std::uint32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    return length;
}

void appendEscaped(std::string& out, unsigned char byte) {
    std::array<char, 5> escaped{};
    std::snprintf(escaped.data(), escaped.size(), "\\x%02x", static_cast<unsigned>(byte));
    out += escaped.data();
}

}  // namespace

std::string printableText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, at);
        const auto lead = static_cast<unsigned char>(bytes[at]);
        // U+0080..U+009F, the C1 controls, are C2 80..C2 9F.
        const bool c1 =
            length == 2 && lead == 0xC2 && static_cast<unsigned char>(bytes[at + 1]) < 0xA0;
        if (length == 0 || c1 || (length == 1 && (lead < 0x20 || lead == 0x7F))) {
            const std::size_t shown = length == 0 ? 1 : length;
            for (std::size_t i = 0; i < shown; ++i) {
                appendEscaped(out, static_cast<unsigned char>(bytes[at + i]));
            }
            at += shown;
        } else {
            out += bytes.substr(at, length);
            at += length;
        }
    }
    return out;
}

std::string validUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, at);
        if (length == 0) {
            out += kReplacement;
            ++at;
        } else {
            out += bytes.substr(at, length);
            at += length;
        }
    }
    return out;
}

}  // namespace qz5
