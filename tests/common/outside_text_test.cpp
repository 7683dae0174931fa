// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/outside_text.h"

#include <gtest/gtest.h>

namespace qz5 {
namespace {

struct OutsideCase {
    std::string_view bytes;
    std::string_view printable;
    std::string_view json;
};

TEST(OutsideText, EscapesControlsAndInvalidBytesForPeopleAndReplacesThemForJson) {
    using namespace std::string_view_literals;
    const OutsideCase cases[] = {
        {"OV-QZ5 1.4", "OV-QZ5 1.4", "OV-QZ5 1.4"},
        {"\x1b]0;OWN\x07x", "\\x1b]0;OWN\\x07x", "\x1b]0;OWN\x07x"},
        {"a\nb\r\t\x7f", "a\\x0ab\\x0d\\x09\\x7f", "a\nb\r\t\x7f"},
        {"nul\0end"sv, "nul\\x00end", "nul\0end"sv},
        // U+0085 and U+009B are C1 controls; U+00A0 and U+00E9 are text.
        {"\xc2\x85\xc2\x9b\xc2\xa0\xc3\xa9", "\\xc2\\x85\\xc2\\x9b\xc2\xa0\xc3\xa9",
         "\xc2\x85\xc2\x9b\xc2\xa0\xc3\xa9"},
        {"\xe2\x82\xac \xf0\x9f\x93\xa1", "\xe2\x82\xac \xf0\x9f\x93\xa1",
         "\xe2\x82\xac \xf0\x9f\x93\xa1"},
        // The edges: U+0800 and U+10FFFF are text, U+DFFF is a surrogate.
        {"\xe0\xa0\x80\xf4\x8f\xbf\xbf", "\xe0\xa0\x80\xf4\x8f\xbf\xbf",
         "\xe0\xa0\x80\xf4\x8f\xbf\xbf"},
        {"\xed\xbf\xbf", "\\xed\\xbf\\xbf", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
        // A stray byte, an overlong slash, a surrogate, past U+10FFFF, cut short.
        {"\xff", "\\xff", "\xef\xbf\xbd"},
        {"\xc0\xaf", "\\xc0\\xaf", "\xef\xbf\xbd\xef\xbf\xbd"},
        {"\xed\xa0\x80", "\\xed\\xa0\\x80", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80",
         "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
        {"ok\xe2\x82", "ok\\xe2\\x82", "ok\xef\xbf\xbd\xef\xbf\xbd"},
        {"", "", ""},
        // Only the bytes given are looked at.
        {"ok\xff"sv.substr(0, 2), "ok", "ok"},
    };
    for (const OutsideCase& c : cases) {
        EXPECT_EQ(printableText(c.bytes), c.printable) << c.printable;
        EXPECT_EQ(validUtf8(c.bytes), c.json) << c.printable;
    }
}

}  // namespace
}  // namespace qz5
