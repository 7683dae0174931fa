// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qz5 {

// A country of the callsign-prefix list, as its header line gives it.
struct Country {
    std::string name;       // "Fed. Rep. of Germany"
    std::string prefix;     // its primary prefix, "DL"
    std::string continent;  // AF, AN, AS, EU, NA, OC or SA
    int ituZone = 0;
};

// Where a callsign belongs: its country, and the continent and ITU zone of the
// entry that matched, which may differ from the country's own.
struct CallsignPlace {
    const Country* country;
    std::string_view continent;
    int ituZone;
};

// The callsign-prefix list that amateur loggers use (the cty.dat format): for
// each country a header "name: CQ zone: ITU zone: continent: latitude:
// longitude: UTC offset: primary prefix:" and its prefixes up to a ';'. A
// prefix written "=CALL" is one whole callsign; (n) [n] <lat/lon> {cc} ~n~
// after a prefix override the CQ zone, ITU zone, position, continent and UTC
// offset for it.
class PrefixList {
  public:
    // None when the text is not such a list.
    static std::optional<PrefixList> parse(std::string_view text);
    // None when the file cannot be read or is not such a list.
    static std::optional<PrefixList> load(const std::filesystem::path& file);

    // Whole callsigns first, then the longest prefix; none when nothing
    // matches. `callsign` is upper case, without SSID.
    std::optional<CallsignPlace> find(std::string_view callsign) const;

  private:
    struct Entry {
        std::size_t country;
        std::string continent;
        int ituZone;
    };
    CallsignPlace place(const Entry& entry) const;

    std::vector<Country> countries_;
    std::unordered_map<std::string, Entry> wholeCalls_;
    std::unordered_map<std::string, Entry> prefixes_;
};

}  // namespace qz5
