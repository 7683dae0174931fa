// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/shown_text.h"

#include <gtest/gtest.h>

#include "language/catalogue.h"

namespace qz5 {
namespace {

// Each placeholder is filled once, from its own value, as the English that
// the rooms below the front ends render; a % in a value is never read again.
TEST(ShownText, FillsEachPlaceholderOnceAsTheEnglishDoes) {
    const Catalogue none;  // the sources themselves
    const struct {
        Text text;
        const char* shown;
    } cases[] = {
        {Text("100% of %1, as it came"), "100% of %1, as it came"},
        {say("T", "%2 before %1").with("a", "b"), "b before a"},
        {say("T", "%1 and %2").with("%2", "%1"), "%2 and %1"},
        {say("T", "%0 %1 %%1 %").with("v"), "%0 v %v %"},
        {say("T", "%1 %2 %3").with("a"), "a %2 %3"},
        {say("T", "%10").with("a"), "a0"},
        {say("T", "%9").with("1", "2", "3", "4", "5", "6", "7", "8", "nine"), "nine"},
        {say("T", "outer %1").with(say("T", "inner %1").with("x")), "outer inner x"},
        {say("T", "%n files in %1", nullptr, 3).with("d"), "3 files in d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(shownText(c.text, none).toStdString(), c.shown);
        EXPECT_EQ(c.text.english(), c.shown);
    }
}

// A translation puts the values in its own order, each itself translated.
TEST(ShownText, PutsTranslatedValuesWhereTheTranslationWantsThem) {
    Catalogue japanese;
    if (!japanese.load("ja")) {
        GTEST_SKIP() << "built without catalogues";
    }
    const Text text = say("History", "history show: no image numbered %1 in %2")
                          .with("7", say("Symbols", "overlay %1").with("5"));
    EXPECT_EQ(shownText(text, japanese),
              QString::fromUtf8("history show: オーバーレイ 5 に番号 7 のイメージはありません"));
}

}  // namespace
}  // namespace qz5
