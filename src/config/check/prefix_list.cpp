// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/check/prefix_list.h"

#include <array>
#include <charconv>
#include <fstream>
#include <iterator>

namespace qz5 {
namespace {

constexpr std::string_view kBlank = " \t\r\n";
constexpr int kHighestItuZone = 90;

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

std::optional<PrefixList> PrefixList::parse(std::string_view text) {
    PrefixList list;
    for (text = trim(text); !text.empty(); text = trim(text)) {
        std::array<std::string_view, 8> header;
        for (std::string_view& field : header) {
            const std::size_t colon = text.find(':');
            if (colon == std::string_view::npos) {
                return std::nullopt;
            }
            field = trim(text.substr(0, colon));
            text.remove_prefix(colon + 1);
        }
        const std::size_t end = text.find(';');
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        std::string_view prefixes = text.substr(0, end);
        text.remove_prefix(end + 1);

        // A '*' before the primary prefix marks a country of one contest's
        // list only; it is a country all the same. Primary prefixes are names
        // ("3D2/c"), not callsigns.
        std::string_view primary = header[7];
        if (!primary.empty() && primary.front() == '*') {
            primary.remove_prefix(1);
        }
        const std::optional<int> zone = parseZone(header[2]);
        if (header[0].empty() || !zone || !isContinent(header[3]) || primary.empty()) {
            return std::nullopt;
        }
        list.countries_.push_back(
            {std::string(header[0]), std::string(primary), std::string(header[3]), *zone});
        const std::size_t country = list.countries_.size() - 1;

        while (!prefixes.empty()) {
            const std::size_t comma = std::min(prefixes.find(','), prefixes.size());
            const std::string_view item = trim(prefixes.substr(0, comma));
            prefixes.remove_prefix(std::min(comma + 1, prefixes.size()));
            if (item.empty()) {
                continue;
            }
            const std::optional<Alias> alias = parseAlias(item);
            if (!alias) {
                return std::nullopt;
            }
            Entry entry{country, std::string(alias->continent.value_or(header[3])),
                        alias->ituZone.value_or(*zone)};
            (alias->whole ? list.wholeCalls_ : list.prefixes_)
                .emplace(alias->call, std::move(entry));
        }
    }
    if (list.countries_.empty()) {
        return std::nullopt;
    }
    return list;
}

std::optional<PrefixList> PrefixList::load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return parse(text);
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
