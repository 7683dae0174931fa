// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/image_scaling.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace qz5 {
namespace {

struct Delay {
    std::int32_t ms;
    std::uint8_t count;
    std::int32_t decoded;
};

TEST(ImageScalingTest, DelaysAtNormalSpeedRoundTripAsByteTimes) {
    const std::vector<Delay> cases = {{0, 0, 0},         {1, 1, 7},         {100, 15, 100},
                                      {125, 19, 127},    {300, 45, 300},    {500, 75, 500},
                                      {1693, 254, 1693}, {1694, 255, 1700}, {1000000, 255, 1700}};
    for (const Delay& d : cases) {
        EXPECT_EQ(delayToCount(d.ms, false), d.count) << d.ms;
        EXPECT_EQ(delayFromCount(d.count, false), d.decoded) << d.ms;
    }
}

TEST(ImageScalingTest, DelaysAt300BaudAndDelay3UseTheirOwnFactors) {
    EXPECT_EQ(delayToCount(500, true), 19);
    EXPECT_EQ(delayFromCount(19, true), 507);
    EXPECT_EQ(delayToCount(6773, true), 254);
    EXPECT_EQ(delayToCount(6774, true), 255);
    EXPECT_EQ(delayFromCount(255, true), 6800);
    EXPECT_EQ(delay3ToCount(500), 20);
    EXPECT_EQ(delay3FromCount(20), 526);
    EXPECT_EQ(delay3ToCount(6680), 254);
    EXPECT_EQ(delay3ToCount(6681), 255);
    EXPECT_EQ(delay3FromCount(255), 6706);
}

TEST(ImageScalingTest, NegativeAndExtremeDelaysClampWithoutOverflow) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    for (bool slow : {false, true}) {
        EXPECT_EQ(delayToCount(-1, slow), 0);
        EXPECT_EQ(delayToCount(-3, slow), 0);
        EXPECT_EQ(delayToCount(kMin, slow), 0);
        EXPECT_EQ(delayToCount(kMax, slow), 255);
    }
    EXPECT_EQ(delay3ToCount(kMin), 0);
    EXPECT_EQ(delay3ToCount(kMax), 255);
}

std::string digits(float mhz) {
    const auto bytes = frequencyToDigits(mhz);
    return {bytes.begin(), bytes.end()};
}

float fromDigits(const std::string& text) {
    std::array<std::uint8_t, kFrequencyDigits> bytes{};
    std::copy_n(text.begin(), kFrequencyDigits, bytes.begin());
    return frequencyFromDigits(bytes);
}

TEST(ImageScalingTest, FrequencyTravelsAsFiveDigitsOf5kHzSteps) {
    EXPECT_EQ(digits(144.39f), "28878");
    EXPECT_EQ(digits(144.34f), "28868");
    EXPECT_EQ(digits(144.8f), "28960");
    EXPECT_EQ(digits(145.175f), "29035");
    EXPECT_EQ(digits(600.0f), "20000");  // 120000 steps: the top digit is lost
    EXPECT_EQ(fromDigits("28878"), 144.39f);
    EXPECT_EQ(fromDigits("28868"), 144.34f);
    EXPECT_EQ(fromDigits("29035"), 145.175f);
}

TEST(ImageScalingTest, FrequenciesNoCountHoldsStillGiveDefinedDigits) {
    // Negative counts give digits below '0' through signed remainders.
    EXPECT_EQ(digits(-0.05f), "0000'");  // -9 steps
    const std::string saturated = digits(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(saturated, digits(std::numeric_limits<float>::infinity()));
    EXPECT_EQ(saturated, digits(-1e30f));
    EXPECT_EQ(saturated, "(-*,(");  // INT32_MIN
    EXPECT_FLOAT_EQ(fromDigits("0000'"), -0.045f);
}

}  // namespace
}  // namespace qz5
