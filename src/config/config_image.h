// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace qz5 {

// The tracker keeps its whole configuration in this many bytes.
inline constexpr int kImageSize = 128;
using ConfigImage = std::array<std::uint8_t, kImageSize>;

// An encoded record, and whether a digipeater path or a status text had to be
// cut to fit.
struct EncodedImage {
    ConfigImage image;
    bool pathsCut = false;
    bool statusCut = false;
};

// Callers encode into, and read into, buffers of this size.
inline constexpr int kImageBufferSize = 200;

// Header entries of the three delay counts; each is a pair, profile 0 first.
inline constexpr int kDelay1CountEntry = 4;
inline constexpr int kDelay2CountEntry = 6;
inline constexpr int kDelay3CountEntry = 34;

}  // namespace qz5
