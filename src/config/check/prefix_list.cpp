// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/check/prefix_list.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "common/outside_text.h"
#include "common/path_text.h"
#include "common/regular_file.h"

namespace qz5 {
namespace {

constexpr std::string_view kBlank = " \t\r\n";
constexpr int kHighestItuZone = 90;
// The full list is well under 1 MiB; anything far larger is no such list, and
// reading it would only cost time and memory.
constexpr std::size_t kMaxListBytes = std::size_t{8} << 20;

std::string_view trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

std::optional<int> parseZone(std::string_view text) {
    int zone = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), zone);
    if (error != std::errc() || end != text.data() + text.size() || zone < 1 ||
        zone > kHighestItuZone) {
        return std::nullopt;
    }
    return zone;
}

bool isContinent(std::string_view text) {
    constexpr std::array<std::string_view, 7> kContinents = {"AF", "AN", "AS", "EU",
                                                             "NA", "OC", "SA"};
    for (std::string_view continent : kContinents) {
        if (text == continent) {
            return true;
        }
    }
    return false;
}

bool isCallText(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        const bool letterOrDigit = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit && c != '/') {
            return false;
        }
    }
    return true;
}

// The closing mark of an override, or NUL for a character that opens none.
char closingMark(char open) {
    switch (open) {
        case '(':
            return ')';
        case '[':
            return ']';
        case '<':
            return '>';
        case '{':
            return '}';
        case '~':
            return '~';
        default:
            return '\0';
    }
}

// One entry of a country's list: "=CALL" or a prefix, then its overrides.
struct Alias {
    std::string call;
    bool whole;
    std::optional<std::string_view> continent;
    std::optional<int> ituZone;
};

std::optional<Alias> parseAlias(std::string_view text) {
    Alias alias{.call = {}, .whole = text.front() == '=', .continent = {}, .ituZone = {}};
    if (alias.whole) {
        text.remove_prefix(1);
    }
    const std::size_t marks = std::min(text.find_first_of("([<{~"), text.size());
    if (!isCallText(text.substr(0, marks))) {
        return std::nullopt;
    }
    alias.call = std::string(text.substr(0, marks));
    text.remove_prefix(marks);
    while (!text.empty()) {
        const char open = text.front();
        const std::size_t close = text.find(closingMark(open), 1);
        if (closingMark(open) == '\0' || close == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view value = text.substr(1, close - 1);
        if (open == '[') {
            alias.ituZone = parseZone(value);
            if (!alias.ituZone) {
                return std::nullopt;
            }
        } else if (open == '{') {
            if (!isContinent(value)) {
                return std::nullopt;
            }
            alias.continent = value;
        }
        // The CQ zone, position and UTC offset play no part here.
        text.remove_prefix(close + 1);
    }
    return alias;
}

}  // namespace

std::optional<PrefixList> PrefixList::parse(std::string_view text, std::size_t* firstBadLine) {
    const std::string_view whole = text;
    std::size_t badAt = std::string_view::npos;
    // The first bad piece is the one worth a line number: one fault in the
    // list often spoils what follows it.
    const auto bad = [&](std::string_view piece) {
        badAt = std::min(badAt, static_cast<std::size_t>(piece.data() - whole.data()));
    };
    PrefixList list;
    for (text = trim(text); !text.empty(); text = trim(text)) {
        // A bad header spoils its country up to the ';', and no further.
        const std::size_t end = text.find(';');
        if (end == std::string_view::npos) {
            bad(text);
            break;
        }
        std::string_view record = text.substr(0, end);
        const std::string_view recordStart = text;
        text.remove_prefix(end + 1);

        std::array<std::string_view, 8> header;
        bool complete = true;
        for (std::string_view& field : header) {
            const std::size_t colon = record.find(':');
            if (colon == std::string_view::npos) {
                complete = false;
                break;
            }
            field = trim(record.substr(0, colon));
            record.remove_prefix(colon + 1);
        }
        // A '*' before the primary prefix marks a country of one contest's
        // list only; it is a country all the same. Primary prefixes are names
        // ("3D2/c"), not callsigns.
        std::string_view primary = header[7];
        if (!primary.empty() && primary.front() == '*') {
            primary.remove_prefix(1);
        }
        const std::optional<int> zone = complete ? parseZone(header[2]) : std::nullopt;
        if (!complete || header[0].empty() || !zone || !isContinent(header[3]) || primary.empty()) {
            bad(recordStart);
            continue;
        }
        list.countries_.push_back(
            {std::string(header[0]), std::string(primary), std::string(header[3]), *zone});
        const std::size_t country = list.countries_.size() - 1;

        while (!record.empty()) {
            const std::size_t comma = std::min(record.find(','), record.size());
            const std::string_view item = trim(record.substr(0, comma));
            record.remove_prefix(std::min(comma + 1, record.size()));
            if (item.empty()) {
                continue;
            }
            const std::optional<Alias> alias = parseAlias(item);
            if (!alias) {
                bad(item);
                continue;
            }
            Entry entry{country, std::string(alias->continent.value_or(header[3])),
                        alias->ituZone.value_or(*zone)};
            (alias->whole ? list.wholeCalls_ : list.prefixes_)
                .emplace(alias->call, std::move(entry));
        }
    }
    if (firstBadLine != nullptr) {
        *firstBadLine =
            badAt == std::string_view::npos
                ? 0
                : 1 + static_cast<std::size_t>(std::count(
                          whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(badAt), '\n'));
    }
    if (list.countries_.empty()) {
        return std::nullopt;
    }
    return list;
}

PrefixListRead PrefixList::load(const std::filesystem::path& file) {
    const std::string name = printableText(textFromPath(file));
    const ListText read = readListText(textFromPath(file), name, kMaxListBytes);
    if (!read.text) {
        Text why = say("Check", "no callsign-prefix list: %1").with(read.problem);
        std::string english = why.english();
        return {std::nullopt, std::move(english), std::move(why)};
    }
    std::size_t badLine = 0;
    PrefixListRead result;
    result.list = parse(*read.text, &badLine);
    if (!result.list) {
        result.why = say("Check", "no callsign-prefix list: %1 holds no country that can be read")
                         .with(name);
    } else if (badLine != 0) {
        result.why = say("Check",
                         "the callsign-prefix list %1 was read only in part: line %2 cannot be "
                         "read and was left out")
                         .with(name, std::to_string(badLine));
    }
    result.problem = result.why.english();
    return result;
}

std::optional<CallsignPlace> PrefixList::find(std::string_view callsign) const {
    if (const auto whole = wholeCalls_.find(std::string(callsign)); whole != wholeCalls_.end()) {
        return place(whole->second);
    }
    for (std::size_t length = callsign.size(); length > 0; --length) {
        const auto prefix = prefixes_.find(std::string(callsign.substr(0, length)));
        if (prefix != prefixes_.end()) {
            return place(prefix->second);
        }
    }
    return std::nullopt;
}

CallsignPlace PrefixList::place(const Entry& entry) const {
    return {&countries_[entry.country], entry.continent, entry.ituZone};
}

}  // namespace qz5
