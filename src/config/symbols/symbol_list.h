// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace qz5 {

inline constexpr int kSymbolSide = 20;  // pixels, square

// One picture of the symbol list and its name.
struct SymbolEntry {
    char table = '/';  // '/' primary, '\\' alternate, '#' overlay characters
    char code = '\0';
    std::string name;  // may be empty: the list leaves some unnamed
    bool facesLeft = false;
    // Row by row, one palette letter per pixel (see symbolPixelColour).
    std::array<char, std::size_t{kSymbolSide} * kSymbolSide> pixels{};
};

// The APRS symbol pictures as an APRS client's data package keeps them:
// sections opened by "TABLE c", entries by "APRS c", each followed by twenty
// rows of twenty palette letters, "DONE" at the end.
class SymbolList {
  public:
    struct Parsed;
    // An entry without its full picture or with a bad header is skipped and
    // counted; none when the text holds no entry at all.
    static Parsed parse(std::string_view text);

    // The picture the tracker's symbol gets on a map: an overlay character
    // as table stands for the alternate table. Null when the list has none.
    const SymbolEntry* find(char table, char code) const;
    // The picture drawn over an alternate symbol for this overlay character.
    const SymbolEntry* overlay(char character) const;
    // The entries of the primary and the alternate table, in the list's order.
    std::vector<const SymbolEntry*> symbols() const;

  private:
    std::vector<SymbolEntry> entries_;
};

struct SymbolList::Parsed {
    std::optional<SymbolList> list;
    int skipped = 0;
    int firstSkippedLine = 0;  // 1-based, 0 when none was skipped
};

// '0'-'9' and 'A'-'Z': the characters that may stand in the table's place.
bool isOverlayCharacter(char c);
// Alternate-table symbols that the list marks as drawn with an overlay.
bool takesOverlay(const SymbolEntry& entry);

// "Car (SSID -9)", or for an unnamed entry "Symbol /x".
Text symbolName(const SymbolEntry& entry);
// "primary table", "alternate table" or "overlay 5".
Text tableName(char table);
// The name of what a map draws for table and code, "Car (w overlay), overlay
// 5" for an overlay; none when the list has no picture for it.
std::optional<Text> describeSymbol(const SymbolList& list, char table, char code);

// The RGB colour of a palette letter; none for a transparent pixel.
std::optional<unsigned> symbolPixelColour(char letter);

}  // namespace qz5
