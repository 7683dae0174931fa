// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "config/config_image.h"
#include "config/tracker_config.h"

namespace qz5::testing {

// Encodes into the 200-byte buffer every caller uses.
inline ConfigImage encode(TrackerConfig& config) {
    std::array<std::uint8_t, kImageBufferSize> buffer{};
    config.encodeImage(buffer);
    ConfigImage image;
    std::copy_n(buffer.begin(), kImageSize, image.begin());
    return image;
}

inline std::string text(const auto& field) {
    return field.data();
}

}  // namespace qz5::testing
