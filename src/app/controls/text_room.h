// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

namespace qz5 {

// A view laid out again for texts longer or taller than its template gave
// room for.
struct TextRoom {
    std::vector<QRect> rects;  // in the order given
    QSize growth;              // what the dialog grows by
};

// Where a rect is narrower than its text needs (`needed`, by rect; an empty
// size for a rect without text), its column widens by the widest such
// overflow: everything from its right edge on moves right by as much, rects
// reaching across the edge widen, and so does the dialog. Rows grow down the
// same way. Shifts only grow from left to right and top to bottom, so rects
// that did not overlap still do not.
TextRoom roomForTexts(const std::vector<QRect>& rects, const std::vector<QSize>& needed);

}  // namespace qz5
