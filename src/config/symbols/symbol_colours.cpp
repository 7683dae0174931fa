// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "config/symbols/symbol_list.h"

namespace qz5 {

std::optional<unsigned> symbolPixelColour(char letter) {
    // The fixed palette the list's pictures are drawn for; every other
    // letter is a clear pixel.
    struct Paint {
        char letter;
        unsigned rgb;
    };
    static constexpr std::array<Paint, 19> kPalette = {{
        {'q', 0x000000}, {'m', 0xFFFFFF}, {'c', 0xCCCCCC}, {'p', 0x454545}, {'o', 0x5A5A5A},
        {'n', 0x878787}, {'j', 0xEE0000}, {'d', 0xCD0000}, {'e', 0xFF4040}, {'f', 0xCD3333},
        {'a', 0xCD6500}, {'#', 0xFFFF00}, {'k', 0x00CD00}, {'i', 0x006400}, {'r', 0x32CD32},
        {'h', 0x00BFFF}, {'l', 0x0000CD}, {'g', 0x00008B}, {'b', 0xA020F0},
    }};
    for (const Paint& paint : kPalette) {
        if (paint.letter == letter) {
            return paint.rgb;
        }
    }
    return std::nullopt;
}

}  // namespace qz5
