// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/text.h"

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
class PrefixList;

// What reading a list gave: the list, none when nothing of it can be used,
// and when anything went wrong one line saying what, naming the file.
struct PrefixListRead;

class PrefixList {
  public:
    // A country whose header cannot be read is left out up to its ';', a
    // prefix that cannot be read is left out alone; `firstBadLine` receives
    // the line of the first such piece (1 on), or 0. None when no country is
    // left.
    static std::optional<PrefixList> parse(std::string_view text,
                                           std::size_t* firstBadLine = nullptr);
    // Only a regular file of a few MiB is read, without ever waiting.
    static PrefixListRead load(const std::filesystem::path& file);

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

struct PrefixListRead {
    std::optional<PrefixList> list;
    std::string problem;
    Text why;  // the same as the catalogues know it
};

}  // namespace qz5
