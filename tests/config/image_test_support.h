// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "config/config_image.h"
#include "config/tracker_config.h"
#include "support/seen_messages.h"

namespace qz5::testing {

// Encodes into the 200-byte buffer every caller uses; what the encoder
// raised goes to `seen`.
inline ConfigImage encode(TrackerConfig& config, SeenMessages& seen) {
    std::array<std::uint8_t, kImageBufferSize> buffer{};
    static_cast<void>(seen(config.encodeImage(buffer)));
    ConfigImage image;
    std::copy_n(buffer.begin(), kImageSize, image.begin());
    return image;
}

inline ConfigImage encode(TrackerConfig& config) {
    SeenMessages ignored;
    return encode(config, ignored);
}

// The image a record encodes to; the copy keeps the record's derived flags.
inline ConfigImage imageOf(TrackerConfig config) {
    ConfigImage image{};
    static_cast<void>(config.encodeImage(image));  // a whole image always encodes
    return image;
}

inline std::string text(const auto& field) {
    return field.data();
}

}  // namespace qz5::testing
