#pragma once

#include <array>
#include <cstdint>

namespace qz5 {

// The tracker keeps its whole configuration in this many bytes.
inline constexpr int kImageSize = 128;
using ConfigImage = std::array<std::uint8_t, kImageSize>;

// Callers encode into, and read into, buffers of this size.
inline constexpr int kImageBufferSize = 200;

}  // namespace qz5
