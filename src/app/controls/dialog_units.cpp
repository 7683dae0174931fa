// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/dialog_units.h"

#include <QFontMetrics>

namespace qz5 {

namespace {

// value * numerator / denominator, rounded to the nearest integer.
int mulDivRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = mulDivRounded(letters, 1, 52);
    baseY_ = metrics.height();
}

int DialogUnits::toPixelsX(int dlu) const {
    return mulDivRounded(dlu, baseX_, 4);
}

int DialogUnits::toPixelsY(int dlu) const {
    return mulDivRounded(dlu, baseY_, 8);
}

QRect DialogUnits::toPixels(const DluRect& rect) const {
    return {toPixelsX(rect.x), toPixelsY(rect.y), toPixelsX(rect.width), toPixelsY(rect.height)};
}

}  // namespace qz5
