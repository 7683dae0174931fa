// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/leading_number.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

namespace qz5 {

namespace {

bool isCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isDigit(char c, bool hex) {
    return (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

// "0x" counts only when a hexadecimal digit follows, possibly after the point;
// otherwise the number is the "0" before it.
bool startsHex(std::string_view text) {
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) {
        return false;
    }
    return isDigit(text[2], true) || (text[2] == '.' && text.size() > 3 && isDigit(text[3], true));
}

// Whether a number that does not fit a double is too large rather than too
// small: the power of its first significant digit plus its exponent. Only the
// sign counts, as such numbers are hundreds of powers away from 1.
bool tooLarge(std::string_view number, bool hex) {
    long long power = 0;
    bool significant = false;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < number.size() && (isDigit(number[i], hex) || number[i] == '.'); ++i) {
        if (number[i] == '.') {
            afterPoint = true;
        } else if (significant) {
            power += afterPoint ? 0 : 1;
        } else {
            power -= afterPoint ? 1 : 0;
            significant = number[i] != '0';
        }
    }
    if (hex) {
        power *= 4;  // the exponent of a hexadecimal number counts powers of two
    }
    long long exponent = 0;
    bool negative = false;
    if (++i < number.size() && (number[i] == '+' || number[i] == '-')) {
        negative = number[i++] == '-';
    }
    constexpr long long kFarEnough = 1LL << 40;
    for (; i < number.size(); ++i) {
        exponent = std::min(exponent * 10 + (number[i] - '0'), kFarEnough);
    }
    return power + (negative ? -exponent : exponent) > 0;
}

}  // namespace

float parseLeadingFloat(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isCSpace(text[start])) {
        ++start;
    }
    bool negative = false;
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) {
        negative = text[start++] == '-';
    }
    const std::string_view number = text.substr(start);
    // atof takes one sign only; from_chars would take a minus here again
    // (a plus it refuses itself).
    if (number.starts_with('-')) {
        return 0.0f;
    }
    const bool hex = startsHex(number);
    const std::string_view digits = hex ? number.substr(2) : number;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value,
                        hex ? std::chars_format::hex : std::chars_format::general);
    if (error == std::errc::invalid_argument) {
        return 0.0f;
    }
    if (error == std::errc::result_out_of_range) {
        value = tooLarge(digits.substr(0, static_cast<std::size_t>(end - digits.data())), hex)
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
    if (negative) {
        value = -value;
    }
    if (std::fabs(value) > FLT_MAX) {
        return value > 0 ? HUGE_VALF : -HUGE_VALF;
    }
    return static_cast<float>(value);
}

}  // namespace qz5
