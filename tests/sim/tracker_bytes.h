// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "config/config_image.h"

namespace qz5::testing {

// The requests as the program sends them.
inline const std::vector<std::uint8_t> kVersionRequest{0x1B, 0x1B, 0x56};
inline const std::vector<std::uint8_t> kReadRequest{0x1B, 0x55};

inline std::vector<std::uint8_t> textBytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// An image whose bytes count up from `first`: a byte lost, doubled or moved shows.
inline ConfigImage countingImage(std::uint8_t first) {
    ConfigImage image{};
    std::iota(image.begin(), image.end(), first);
    return image;
}

}  // namespace qz5::testing
