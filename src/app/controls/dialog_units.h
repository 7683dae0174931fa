// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>

#include "app/controls/dialog_template.h"

namespace qz5 {

// Converts dialog units to pixels for one font, the way dialog templates are
// laid out: the horizontal base is the average width of the 52 Latin letters,
// the vertical base the font height; results round to the nearest pixel.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    int baseX() const { return baseX_; }
    int baseY() const { return baseY_; }
    int toPixelsX(int dlu) const;
    int toPixelsY(int dlu) const;
    QRect toPixels(const DluRect& rect) const;

  private:
    int baseX_;
    int baseY_;
};

}  // namespace qz5
