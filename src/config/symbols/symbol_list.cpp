// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/symbols/symbol_list.h"

#include <algorithm>

namespace qz5 {
namespace {

constexpr std::size_t kCodeColumn = 5;
constexpr std::size_t kFacingColumn = 19;
constexpr std::size_t kNameColumn = 21;
constexpr std::string_view kOverlayMark = "w overlay";

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kLineBlank = " \t\r";
    const std::size_t first = text.find_first_not_of(kLineBlank);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kLineBlank) - first + 1);
}

bool isPrintable(char c) {
    return c > ' ' && c < '\x7f';
}

// The text's lines without their ends, kept as views into it.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

bool isHeader(std::string_view line) {
    return line.starts_with("APRS ") || line.starts_with("TABLE ") || line == "DONE";
}

}  // namespace

SymbolList::Parsed SymbolList::parse(std::string_view text) {
    Parsed parsed;
    SymbolList list;
    const std::vector<std::string_view> lines = linesOf(text);
    const auto skip = [&parsed](std::size_t line) {
        if (parsed.skipped++ == 0) {
            parsed.firstSkippedLine = static_cast<int>(line) + 1;
        }
    };
    char table = '\0';  // none yet
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line == "DONE") {
            break;
        }
        if (line.starts_with("TABLE ")) {
            const std::string_view rest = trimmed(line.substr(6));
            table = rest.empty() ? '\0' : rest.front();
            if (table == '\0') {
                skip(i);
            }
            continue;
        }
        // Anything else between entries is a comment or a stray picture row.
        if (!line.starts_with("APRS ")) {
            continue;
        }
        // Rows may start with '#', a yellow pixel: they are counted, not read
        // as comments, and a picture cut short by the next header is skipped.
        std::size_t rows = 0;
        while (rows < kSymbolSide && i + 1 + rows < lines.size() &&
               !isHeader(lines[i + 1 + rows])) {
            ++rows;
        }
        if (table == '\0' || line.size() <= kCodeColumn || !isPrintable(line[kCodeColumn]) ||
            rows < kSymbolSide) {
            skip(i);
            i += rows;
            continue;
        }
        SymbolEntry entry;
        entry.table = table;
        entry.code = line[kCodeColumn];
        entry.facesLeft = line.size() > kFacingColumn && line[kFacingColumn] == 'l';
        if (line.size() > kNameColumn) {
            entry.name = std::string(trimmed(line.substr(kNameColumn)));
        }
        // Rows of the wrong width are padded with clear pixels or cut.
        entry.pixels.fill('.');
        for (std::size_t row = 0; row < kSymbolSide; ++row) {
            const std::string_view pixels = lines[i + 1 + row].substr(
                0, std::min<std::size_t>(lines[i + 1 + row].size(), kSymbolSide));
            std::copy(pixels.begin(), pixels.end(), entry.pixels.begin() + row * kSymbolSide);
        }
        i += kSymbolSide;
        // The first picture of a code is the one kept.
        const bool known =
            std::any_of(list.entries_.begin(), list.entries_.end(), [&entry](const SymbolEntry& e) {
                return e.table == entry.table && e.code == entry.code;
            });
        if (!known) {
            list.entries_.push_back(std::move(entry));
        }
    }
    if (!list.entries_.empty()) {
        parsed.list = std::move(list);
    }
    return parsed;
}

const SymbolEntry* SymbolList::find(char table, char code) const {
    const char wanted = isOverlayCharacter(table) ? '\\' : table;
    if (wanted != '/' && wanted != '\\') {
        return nullptr;
    }
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const SymbolEntry& e) {
        return e.table == wanted && e.code == code;
    });
    return found == entries_.end() ? nullptr : &*found;
}

const SymbolEntry* SymbolList::overlay(char character) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const SymbolEntry& e) {
        return e.table == '#' && e.code == character;
    });
    return found == entries_.end() ? nullptr : &*found;
}

std::vector<const SymbolEntry*> SymbolList::symbols() const {
    std::vector<const SymbolEntry*> shown;
    for (const SymbolEntry& entry : entries_) {
        if (entry.table == '/' || entry.table == '\\') {
            shown.push_back(&entry);
        }
    }
    return shown;
}

bool isOverlayCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
}

bool takesOverlay(const SymbolEntry& entry) {
    std::string_view name = entry.name;
    if (name.ends_with(')')) {
        name.remove_suffix(1);
    }
    return entry.table == '\\' && name.ends_with(kOverlayMark);
}

Text symbolName(const SymbolEntry& entry) {
    if (!entry.name.empty()) {
        return entry.name;
    }
    return say("Symbols", "Symbol %1").with(std::string{entry.table, entry.code});
}

Text tableName(char table) {
    if (table == '/') {
        return say("Symbols", "primary table");
    }
    if (table == '\\') {
        return say("Symbols", "alternate table");
    }
    return say("Symbols", "overlay %1").with(std::string(1, table));
}

std::optional<Text> describeSymbol(const SymbolList& list, char table, char code) {
    const SymbolEntry* entry = list.find(table, code);
    if (entry == nullptr) {
        return std::nullopt;
    }
    if (!isOverlayCharacter(table)) {
        return symbolName(*entry);
    }
    return say("Symbols", "%1, %2", "a symbol's name, then its overlay")
        .with(symbolName(*entry), tableName(table));
}

}  // namespace qz5
