// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>

// Conversions between record values and the scaled one-byte counts and
// frequency digits that the image holds.
namespace qz5 {

// Delays 1 and 2 in byte times at the profile's packet speed.
std::uint8_t delayToCount(std::int32_t ms, bool packet300Baud);
std::int32_t delayFromCount(std::uint8_t count, bool packet300Baud);

// Delay 3 in units of 26.3 ms.
std::uint8_t delay3ToCount(std::int32_t ms);
std::int32_t delay3FromCount(std::uint8_t count);

// Frequency as five ASCII digits of 5 kHz steps.
inline constexpr std::size_t kFrequencyDigits = 5;
std::array<std::uint8_t, kFrequencyDigits> frequencyToDigits(float mhz);
float frequencyFromDigits(std::span<const std::uint8_t, kFrequencyDigits> digits);

}  // namespace qz5
