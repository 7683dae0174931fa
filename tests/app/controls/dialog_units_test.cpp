// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "app/controls/dialog_units.h"

namespace qz5::testing {
namespace {

TEST(DialogUnits, ConvertWithTheBaseUnitsRoundingToNearest) {
    const DialogUnits units(6, 13);  // the classic 8-point dialog font
    EXPECT_EQ(units.toPixelsX(4), 6);
    EXPECT_EQ(units.toPixelsX(206), 309);
    EXPECT_EQ(units.toPixelsX(1), 2);  // 1.5 rounds up
    EXPECT_EQ(units.toPixelsY(8), 13);
    EXPECT_EQ(units.toPixelsY(169), 275);  // 274.625
    EXPECT_EQ(units.toPixelsY(3), 5);      // 4.875
    EXPECT_EQ(units.toPixels(DluRect{15, 23, 32, 13}), QRect(23, 37, 48, 21));
    EXPECT_EQ(units.toPixelsX(0), 0);
}

TEST(DialogUnits, BaseUnitsComeFromTheFont) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    const DialogUnits units(font);
    const QFontMetrics metrics(font);
    EXPECT_EQ(units.baseY(), metrics.height());
    // The mean letter width, not the widest or the narrowest letter.
    EXPECT_GT(units.baseX(), metrics.horizontalAdvance(QLatin1Char('i')));
    EXPECT_LT(units.baseX(), metrics.horizontalAdvance(QLatin1Char('W')));

    QFont larger = font;
    larger.setPointSize(16);
    const DialogUnits largerUnits(larger);
    EXPECT_GT(largerUnits.baseX(), units.baseX());
    EXPECT_GT(largerUnits.baseY(), units.baseY());
}

}  // namespace
}  // namespace qz5::testing
