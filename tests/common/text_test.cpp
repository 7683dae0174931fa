// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text.h"

#include <gtest/gtest.h>

namespace qz5 {
namespace {

// The English a catalogue text reads as: each placeholder filled once, in one
// pass, so a value that holds a placeholder is never read again.
TEST(Text, ReadsAsItsSourceWithItsValuesFilledIn) {
    struct Case {
        Text text;
        const char* english;
    };
    const Case cases[] = {
        {say("T", "Cannot open %1: %2").with("/a", "denied"), "Cannot open /a: denied"},
        {say("T", "%2 before %1").with("one", "two"), "two before one"},
        {say("T", "%1 holds %2").with("50%2", "x"), "50%2 holds x"},
        {say("T", "%1 and %3").with("a"), "a and %3"},
        {say("T", "100% sure, %9"), "100% sure, %9"},
        {say("T", "%n images kept", nullptr, 3), "3 images kept"},
        {say("T", "%n of %1", nullptr, 12).with("20"), "12 of 20"},
        {say("T", "%n stays without a count"), "%n stays without a count"},
        {say("T", "ends in %").with("x"), "ends in %"},
        {say("T", "%1%1").with("ab"), "abab"},
        {say("T", "%9.").with("1", "2", "3", "4", "5", "6", "7", "8", "nine"), "nine."},
        {say("T", "inner: %1").with(say("U", "%1 s").with("5")), "inner: 5 s"},
        {Text("from outside %1"), "from outside %1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.text.english(), c.english);
    }
    const Text nested = say("T", "a %1").with(say("U", "b"));
    EXPECT_STREQ(nested.values().at(0).context(), "U");
    EXPECT_EQ(Text("x").source(), nullptr);
}

}  // namespace
}  // namespace qz5
