// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/callsign.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qz5 {
namespace {

struct Normalised {
    std::string input;
    std::string base;
    std::int32_t ssid;
};

TEST(NormaliseCallsignTest, ReadsBaseAndSsidByTheTextRules) {
    const std::vector<Normalised> cases = {
        {"n0call-9", "N0CALL", 9},
        // Both ends of each character range.
        {"az09AZ-15", "AZ09AZ", 15},
        {"Z/a:z", "Z     ", 0},
        {"N0 CALL -9", "N0CALL", 9},
        {"N0CALL- 12", "N0CALL", 12},
        {"AB-10", "AB    ", 10},
        {"N0CALL-\t7", "N0CALL", 7},
        {"N0CALLXYZ-3", "N0CALL", 3},
        {"AB-16", "AB    ", 0},
        {"AB--5", "AB    ", 0},
        {"AB-+5", "AB    ", 5},
        {"AB-5x", "AB    ", 5},
        {"AB-", "AB    ", 0},
        {"AB-99999999999999999999", "AB    ", 0},
        {"AB*C-5", "AB    ", 0},
        {"AB\x7F-5", "AB    ", 0},
        {"WIDE1-1,WIDE2-1", "WIDE1 ", 1},
        {"", "      ", 0},
        {"-7", "      ", 7},
        // Bytes 0x80..0xFF and control characters are skipped like spaces.
        {"\xC1"
         "A\x01"
         "B\xFF-3",
         "AB    ", 3},
    };
    for (const auto& c : cases) {
        const CallsignAddress address = normaliseCallsign(c.input);
        EXPECT_EQ(std::string(address.base.data()), c.base) << c.input;
        EXPECT_EQ(address.base[6], '\0') << c.input;
        EXPECT_EQ(address.ssid, c.ssid) << c.input;
    }
}

TEST(NormaliseCallsignTest, StopsAtAnEmbeddedNul) {
    const CallsignAddress address = normaliseCallsign(std::string_view("AB\0CD-5", 7));
    EXPECT_EQ(std::string(address.base.data()), "AB    ");
    EXPECT_EQ(address.ssid, 0);
}

TEST(FormatCallsignTest, GivesTheDisplayText) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"n0call-9", "N0CALL-9"}, {"NOCALL-0", "NOCALL"}, {"N0CALL -0", "N0CALL"},
        {"      -0", ""},         {"-7", "-7"},           {"      -64", ""},
        {"a b-15", "AB-15"},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(formatCallsign(input), expected) << input;
    }
}

std::vector<std::string> elementTexts(std::string_view path) {
    std::vector<std::string> texts;
    for (const CallsignAddress& address : splitPath(path)) {
        texts.push_back(std::string(address.base.data()) + "/" + std::to_string(address.ssid));
    }
    return texts;
}

TEST(SplitPathTest, EveryCommaFollowedByTextStartsAnElement) {
    using Texts = std::vector<std::string>;
    EXPECT_EQ(elementTexts("WIDE1-1,WIDE2-1"), (Texts{"WIDE1 /1", "WIDE2 /1"}));
    EXPECT_EQ(elementTexts("WIDE1-1,"), (Texts{"WIDE1 /1"}));
    EXPECT_EQ(elementTexts(",WIDE2-1"), (Texts{"      /0", "WIDE2 /1"}));
    EXPECT_EQ(elementTexts("A,,B"), (Texts{"A     /0", "      /0", "B     /0"}));
    EXPECT_EQ(elementTexts(" "), (Texts{"      /0"}));
    EXPECT_EQ(elementTexts(",-3"), (Texts{"      /0", "      /3"}));
    EXPECT_TRUE(elementTexts("").empty());
    EXPECT_EQ(elementTexts(std::string_view("A,B\0,C", 6)), (Texts{"A     /0", "B     /0"}));
}

TEST(JoinPathTest, SeparatesWithCommasAndKeepsWholeElementsWithinTheLimit) {
    EXPECT_EQ(joinPath({"", "WIDE2-1"}), "WIDE2-1");
    EXPECT_EQ(joinPath({"A", "", "B"}), "A,,B");
    EXPECT_EQ(joinPath({}), "");

    const std::vector<std::string> eleven(11, "ABCDEF-12");
    const std::string joined = joinPath(eleven, 99);
    EXPECT_EQ(joined.size(), 99u);
    EXPECT_EQ(joined.substr(90), "ABCDEF-12");
    EXPECT_EQ(joinPath({"ABCDEF-12", "ABCDEF-12"}, 18), "ABCDEF-12");
    EXPECT_EQ(joinPath({"ABCDEF-12", "ABCDEF-12"}, 19), "ABCDEF-12,ABCDEF-12");
}

}  // namespace
}  // namespace qz5
