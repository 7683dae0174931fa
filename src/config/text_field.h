// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

// The record's texts are fixed NUL-terminated arrays whose last byte stays NUL.
namespace qz5 {

template <std::size_t N>
std::string_view fieldText(const std::array<char, N>& field) {
    return {field.data(), strnlen(field.data(), N)};
}

// Keeps at most N-1 characters, stops at a NUL and clears the rest.
template <std::size_t N>
void storeText(std::array<char, N>& field, std::string_view text) {
    text = text.substr(0, text.find('\0'));
    field.fill('\0');
    std::copy_n(text.begin(), std::min(text.size(), N - 1), field.begin());
}

}  // namespace qz5
