// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/image_scaling.h"

#include <cmath>
#include <limits>

#include "config/tracker_config.h"

namespace qz5 {
namespace {

// The constants are 32-bit floats widened to double: the tracker's counts
// were defined with exactly these values, and one ulp changes some counts.
constexpr float kFastEncode = 0.15001501f;
constexpr float kFastDecode = 6.666f;
constexpr float kSlowEncode = 0.037500937f;
constexpr float kSlowDecode = 26.666f;
constexpr float kDelay3Encode = 0.038022816f;
constexpr float kDelay3Decode = 26.3f;
constexpr float kMHzPerStep = 0.005f;

// Truncation toward zero. Values that no int32 holds, NaN included, give
// INT32_MIN as the x86 conversion instruction does, instead of undefined
// behaviour; only frequencies outside every band can get there.
std::int32_t truncateToInt32(double value) {
    constexpr double kInt32Limit = 2147483648.0;
    if (!(value > -kInt32Limit - 1.0 && value < kInt32Limit)) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

std::uint8_t toCount(std::int32_t ms, int offsetMs, float factor) {
    const double scaled = (double(ms) + offsetMs) * double(factor) + 0.5;
    return static_cast<std::uint8_t>(clamp(truncateToInt32(scaled), 0, 255));
}

std::int32_t fromCount(std::uint8_t count, float factor) {
    return truncateToInt32(double(count) * double(factor) + 0.5);
}

}  // namespace

std::uint8_t delayToCount(std::int32_t ms, bool packet300Baud) {
    return packet300Baud ? toCount(ms, 13, kSlowEncode) : toCount(ms, 3, kFastEncode);
}

std::int32_t delayFromCount(std::uint8_t count, bool packet300Baud) {
    return fromCount(count, packet300Baud ? kSlowDecode : kFastDecode);
}

std::uint8_t delay3ToCount(std::int32_t ms) {
    return toCount(ms, 13, kDelay3Encode);
}

std::int32_t delay3FromCount(std::uint8_t count) {
    return fromCount(count, kDelay3Decode);
}

std::array<std::uint8_t, kFrequencyDigits> frequencyToDigits(float mhz) {
    const std::int32_t steps = truncateToInt32(double(mhz) * 200.0 + 0.5);
    std::array<std::uint8_t, kFrequencyDigits> digits{};
    std::int32_t divisor = 10000;
    for (std::uint8_t& digit : digits) {
        // Signed division on purpose: a negative count gives the characters
        // below '0' that it always has.
        digit = static_cast<std::uint8_t>('0' + (steps / divisor) % 10);
        divisor /= 10;
    }
    return digits;
}

float frequencyFromDigits(std::span<const std::uint8_t, kFrequencyDigits> digits) {
    std::int32_t steps = 0;
    for (std::uint8_t digit : digits) {
        steps = steps * 10 + (digit - '0');
    }
    return static_cast<float>(double(steps) * double(kMHzPerStep));
}

}  // namespace qz5
