// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace qz5 {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(LeadingNumber, ReadsWhatAtofReadsInTheCLocale) {
    std::vector<std::pair<std::string, float>> cases = {
        {"144.39", 144.39f},
        {"9", 9.0f},
        {"144.800 MHz - Europe", 144.8f},
        {" \t\n\v\f\r+145.5x", 145.5f},
        {"-.5", -0.5f},
        {"7.", 7.0f},
        {"1e2", 100.0f},
        {"1E+2", 100.0f},
        {"25e-1kHz", 2.5f},
        {"1e", 1.0f},  // an exponent needs digits
        {"1e+", 1.0f},
        {"144,39", 144.0f},  // never the user's decimal comma
        {"0x1p4", 16.0f},
        {"0x1", 1.0f},
        {"0xFf", 255.0f},
        {"0xa", 10.0f},
        {"0X1.8", 1.5f},
        {"-0x.8p1", -1.0f},
        {"0x", 0.0f},  // the zero before it
        {"0xg", 0.0f},
        {"0x.p1", 0.0f},
        {"3.4028234663852886e38", std::numeric_limits<float>::max()},
        {"1e39", kInf},  // a double, but past the float's range
        {"-1e39", -kInf},
        {"1e999", kInf},
        {"-1e999", -kInf},
        {"0.0001e99999999999999999999", kInf},
        {"0x1p99999", kInf},
        {"1e-999", 0.0f},
        {"10000e-9999", 0.0f},
        {"0x1p-99999", 0.0f},
        {"1e-50", 0.0f},  // a double too small for a float
        {"inf", kInf},
        {"-Infinity", -kInf},
        {"INFINITE", kInf},  // "inf", then letters
        {"", 0.0f},
        {"not a number", 0.0f},
        {"+-5", 0.0f},
        {"++5", 0.0f},
        {"--5", 0.0f},
        {"- 5", 0.0f},
        {".", 0.0f},
        {"e5", 0.0f},
    };
    // Past a double's range, the digits' places and the exponent together
    // say whether the number is huge or tiny.
    const std::string zeros(400, '0');
    cases.insert(cases.end(), {{"1" + zeros, kInf},
                               {"-1" + zeros + ".5", -kInf},
                               {"1" + zeros + "e-50", kInf},
                               {"0." + zeros + "1", 0.0f},
                               {"0." + zeros + "1e+50", 0.0f},
                               {"0x1" + zeros, kInf},
                               {"0x0." + zeros + "1", 0.0f}});
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(parseLeadingFloat(text), expected) << '"' << text << '"';
    }
    for (const std::string text : {"nan", "-NaN(123)", "nanx"}) {
        EXPECT_TRUE(std::isnan(parseLeadingFloat(text))) << text;
    }
    EXPECT_TRUE(std::signbit(parseLeadingFloat("-0")));
}

}  // namespace
}  // namespace qz5
