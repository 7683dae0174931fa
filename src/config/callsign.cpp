// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/callsign.h"

#include <algorithm>

namespace qz5 {
namespace {

constexpr std::size_t kBaseLength = 6;
constexpr std::int32_t kMaxSsid = 15;

// Bytes are classified as signed, so 0x80..0xFF fall below every test here.
signed char signedByte(char c) {
    return static_cast<signed char>(c);
}

bool isAsciiAlnum(signed char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isCSpace(signed char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

char toUpperAscii(signed char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
}

std::string_view untilNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// A decimal number as the C library reads one: white space, an optional sign,
// digits. Anything past the SSID range is reported as 0 anyway, so the value
// saturates instead of overflowing.
std::int32_t parseSsid(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isCSpace(signedByte(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kMaxSsid + 1);
    }
    if (negative) {
        value = -value;
    }
    return (value < 0 || value > kMaxSsid) ? 0 : value;
}

}  // namespace

CallsignAddress normaliseCallsign(std::string_view text) {
    text = untilNul(text);
    CallsignAddress address;
    std::size_t length = 0;
    std::size_t i = 0;
    bool stoppedAtHyphen = false;
    for (; i < text.size(); ++i) {
        const signed char c = signedByte(text[i]);
        if (isAsciiAlnum(c)) {
            if (length < kBaseLength) {
                address.base[length++] = toUpperAscii(c);
            }
        } else if (c > 0x20) {
            stoppedAtHyphen = c == '-';
            break;
        }
    }
    std::fill(address.base.begin() + static_cast<std::ptrdiff_t>(length),
              address.base.begin() + kBaseLength, ' ');
    address.base[kBaseLength] = '\0';
    if (stoppedAtHyphen) {
        address.ssid = parseSsid(text.substr(i + 1));
    }
    return address;
}

std::string formatCallsign(std::string_view text) {
    const CallsignAddress address = normaliseCallsign(text);
    std::string result(address.base.data(), kBaseLength);
    result.erase(result.find_last_not_of(' ') + 1);
    if (address.ssid != 0) {
        result += '-';
        result += std::to_string(address.ssid);
    }
    return result;
}

std::vector<CallsignAddress> splitPath(std::string_view path) {
    path = untilNul(path);
    std::vector<CallsignAddress> elements;
    std::size_t start = 0;
    while (start < path.size()) {
        elements.push_back(normaliseCallsign(path.substr(start)));
        const std::size_t comma = path.find(',', start);
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return elements;
}

std::string joinPath(const std::vector<std::string>& texts, std::size_t maxLength) {
    std::string path;
    for (const std::string& text : texts) {
        const std::size_t separator = path.empty() ? 0 : 1;
        if (path.size() + separator + text.size() > maxLength) {
            break;
        }
        if (separator != 0) {
            path += ',';
        }
        path += text;
    }
    return path;
}

}  // namespace qz5
