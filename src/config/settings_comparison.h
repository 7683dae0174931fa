// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "config/config_image.h"
#include "config/record_fields.h"

namespace qz5 {

// A setting as the record holds it: a number, a flag, a frequency in MHz, or
// a text in the image's Latin-1 bytes (a symbol is a text of at most one
// character).
using SettingValue = std::variant<std::int32_t, bool, float, std::string>;

// A field's value in the record as a setting.
template <std::size_t N>
SettingValue settingValue(const std::array<char, N>& text) {
    return std::string(text.data(), strnlen(text.data(), N));
}
inline SettingValue settingValue(char symbol) {
    return symbol == '\0' ? std::string() : std::string(1, symbol);
}
template <typename T>
SettingValue settingValue(T value) {
    return value;
}

// One setting that two configurations hold differently. Front ends word it
// their own way: the command line by the field's JSON name, the window by its
// label.
struct SettingDifference {
    std::optional<int> profile;  // none for a value both profiles share
    FieldInfo field;
    SettingValue before;
    SettingValue after;
};

// Every setting in which `after` differs from `before`, both taken as the
// tracker would hold them (decoded from their images), so that values outside
// the image (the shown tab, the calibration mark) never differ. Shared values
// first, then Primary's and Secondary's, each in the record's order.
std::vector<SettingDifference> compareSettings(const ConfigImage& before, const ConfigImage& after);

// How many of the two images' bytes differ; equal settings may still be held
// in different bytes (rounded delays, the layout of the texts).
std::size_t differingBytes(const ConfigImage& a, const ConfigImage& b);

}  // namespace qz5
