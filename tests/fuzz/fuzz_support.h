// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/message_box.h"
#include "config/config_image.h"
#include "config/tracker_config.h"

namespace qz5::fuzzing {

inline void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

template <std::size_t N>
void requireTerminated(const std::array<char, N>& field, std::size_t maxLength, const char* what) {
    const void* nul = std::memchr(field.data(), '\0', N);
    require(nul != nullptr, what);
    require(std::strlen(field.data()) <= maxLength, what);
}

// Every text of the record ends within its field and fits what the image can give.
inline void requireSoundTexts(const TrackerConfig& config) {
    for (int k = 0; k < kProfileCount; ++k) {
        requireTerminated(config.callsign[k], 9, "callsign terminated, at most 9 characters");
        requireTerminated(config.digiPath[k], kDigiPathSize - 1, "path terminated");
        requireTerminated(config.statusText[k], kImageSize, "status terminated");
    }
}

// Encoding stays inside the image: bytes 128..199 of the caller's buffer keep
// their canary, and byte 127 can only hold a status text's NUL.
inline void requireEncodeInBounds(TrackerConfig& config) {
    constexpr std::uint8_t kCanary = 0xC5;
    std::array<std::uint8_t, kImageBufferSize> buffer;
    buffer.fill(kCanary);
    require(static_cast<bool>(config.encodeImage(buffer)), "encode succeeds");
    for (std::size_t i = kImageSize; i < buffer.size(); ++i) {
        require(buffer[i] == kCanary, "encode never writes past byte 127");
    }
    require(buffer[kImageSize - 1] == 0, "byte 127 is 0");
    TrackerConfig again = config;
    require(static_cast<bool>(again.decodeImage(std::span(buffer).first(kImageSize))),
            "encoded image decodes");
    requireSoundTexts(again);
}

}  // namespace qz5::fuzzing
