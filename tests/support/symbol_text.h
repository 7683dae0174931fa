// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace qz5::testing {

// One entry of a symbol list in the packaged file's layout: the code at
// column 5, an 'l' at 19 for a left-facing picture, the name from 21, then
// `rows` rows of 20 pixels of one letter.
inline std::string symbolEntryText(char code, std::string_view name, bool left = false,
                                   int rows = 20, char pixel = 'q') {
    std::string text = std::string("APRS ") + code + std::string(13, ' ') + (left ? 'l' : ' ');
    text += ' ';
    text += name;
    text += '\n';
    for (int row = 0; row < rows; ++row) {
        text += std::string(20, pixel) + '\n';
    }
    return text;
}

// The tables a test needs, without the closing DONE: the primary with [ and -, the alternate with a
// car that takes an overlay, and the overlay character 5.
inline std::string smallSymbolList() {
    return "# comment\nTABLE /\n" + symbolEntryText('[', "Jogger") +
           symbolEntryText('-', "House QTH (VHF)") + "TABLE \\\n" +
           symbolEntryText('>', "Car (w overlay)", true) + "TABLE #\n" +
           symbolEntryText('5', "", false, 20, 'm');
}

}  // namespace qz5::testing
