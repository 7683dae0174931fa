// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/controls/text_room.h"

namespace qz5::testing {
namespace {

struct RoomCase {
    const char* what;
    std::vector<QRect> rects;
    std::vector<QSize> needed;
    std::vector<QRect> moved;
    QSize growth;
};

// A label and its field on a row, a second row below, in a group box.
const std::vector<RoomCase> kCases = {
    {"texts that fit move nothing",
     {{5, 5, 30, 10}, {37, 5, 50, 10}, {0, 0, 100, 40}},
     {{30, 10}, {}, {60, 0}},
     {{5, 5, 30, 10}, {37, 5, 50, 10}, {0, 0, 100, 40}},
     {0, 0}},
    {"a label too narrow pushes its field, the group and the dialog",
     {{5, 5, 30, 10}, {37, 5, 50, 10}, {0, 0, 100, 40}},
     {{42, 10}, {}, {}},
     {{5, 5, 42, 10}, {49, 5, 50, 10}, {0, 0, 112, 40}},
     {12, 0}},
    {"two labels of one column widen it by the larger overflow",
     {{5, 5, 30, 10}, {37, 5, 50, 10}, {5, 20, 30, 10}, {37, 20, 50, 10}},
     {{34, 0}, {}, {40, 0}, {}},
     {{5, 5, 40, 10}, {47, 5, 50, 10}, {5, 20, 40, 10}, {47, 20, 50, 10}},
     {10, 0}},
    {"overflows in two columns add up",
     {{5, 5, 30, 10}, {37, 5, 50, 10}, {90, 5, 20, 10}},
     {{35, 0}, {56, 0}, {}},
     {{5, 5, 35, 10}, {42, 5, 56, 10}, {101, 5, 20, 10}},
     {11, 0}},
    {"a row growing taller pushes what lies below",
     {{5, 5, 30, 10}, {37, 5, 50, 10}, {5, 20, 30, 10}, {0, 0, 100, 40}},
     {{30, 14}, {}, {}, {}},
     {{5, 5, 30, 14}, {37, 5, 50, 14}, {5, 24, 30, 10}, {0, 0, 100, 44}},
     {0, 4}},
};

TEST(TextRoom, MovesWhatLiesBeyondATextTooLargeForItsRect) {
    for (const RoomCase& row : kCases) {
        SCOPED_TRACE(row.what);
        const TextRoom room = roomForTexts(row.rects, row.needed);
        EXPECT_EQ(room.rects, row.moved);
        EXPECT_EQ(room.growth, row.growth);
    }
}

}  // namespace
}  // namespace qz5::testing
