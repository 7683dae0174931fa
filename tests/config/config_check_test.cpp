// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/check/config_check.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "config/check/itu_region.h"
#include "config/check/system_prefix_list.h"
#include "config/text_field.h"
#include "support/record_fields.h"
#include "support/recording_presenter.h"
#include "support/symbol_text.h"

namespace qz5 {
namespace {

// A few countries in the list's own format, with the overrides that matter.
constexpr std::string_view kPrefixes =
    "United States of America: 05:  08:  NA:   37.60:    91.87:     5.0:  K:\n"
    "    AA,K,N,W,=N2NL/MM(7),\n"
    "    AA0(4)[7];\r\n"
    "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
    "    KH6,=AA7DI;\n"
    "England:                  14:  27:  EU:   52.77:     1.47:     0.0:  G:\n"
    "    G,M,2E,=G4XYZ{OC}<52.0/1.0>~0.0~;\n"
    "Mongolia:                 23:  32:  AS:   46.77:  -102.17:    -7.0:  JT:\n"
    "    JT,JT2[33];\n"
    "China:                    24:  44:  AS:   36.00:  -102.00:    -8.0:  BY:\n"
    "    BY,BY9[33];\n"
    "Australia:                30:  59:  OC:  -23.70:  -132.33:   -10.0:  VK:\n"
    "    VK ;\n"
    "New Zealand:32:60:OC:-39.03:-174.47:-12.0:ZL:\n"
    "    ZL,ZL9[90];\n"
    "Alaska:                   01:  01:  NA:   61.40:   148.87:     8.0:  KL:\n"
    "    KL;\n"
    "African Italy:            33:  37:  AF:   35.67:   -12.67:    -1.0:  *IG9:\n"
    "    IG9;\n";

const PrefixList& prefixes() {
    static const std::optional<PrefixList> list = PrefixList::parse(kPrefixes);
    return *list;
}

// Both profiles on the air in the United States, as practice has it.
TrackerConfig usRecord() {
    TrackerConfig config;
    for (int k = 0; k < kProfileCount; ++k) {
        config.activeProfile = k;
        config.setCallsign(k == 0 ? "W1AW-9" : "K1ABC");
        config.setFrequency(144.39f);
    }
    config.activeProfile = 0;
    return config;
}

std::vector<std::string> described(const std::vector<Finding>& findings) {
    std::vector<std::string> lines;
    for (const Finding& f : findings) {
        lines.push_back(std::string(severityName(f.severity)) + " " +
                        std::string(ruleName(f.rule)) + " " + f.field +
                        (f.profile ? " " + std::to_string(*f.profile) : ""));
    }
    return lines;
}

struct EditCase {
    const char* name;
    std::function<void(TrackerConfig&)> edit;  // of the United States record
    std::vector<std::string> expected;         // severity rule field [profile], in order
    std::string mentioned = {};                // in the first finding's message
    const PrefixList* list = &prefixes();
    const SymbolSource* symbols = nullptr;
};

const SymbolSource* symbols() {
    static const SymbolSource source{"symbols.dat",
                                     SymbolList::parse(testing::smallSymbolList()).list, ""};
    return &source;
}

void callsign(TrackerConfig& c, const char* text) {
    storeText(c.callsign[0], text);
}
void path(TrackerConfig& c, const char* text) {
    storeText(c.digiPath[0], text);
}
void station(TrackerConfig& c, const char* call, float mhz) {
    storeText(c.callsign[0], call);
    c.frequencyMHz[0] = mhz;
}

TEST(ConfigCheck, RaisesEachRuleWhereItApplies) {
    const std::vector<EditCase> cases = {
        {"default record",
         [](TrackerConfig& c) { c = TrackerConfig(); },
         {"error callsign-placeholder callsign 0", "error callsign-placeholder callsign 1",
          "note frequency-testing frequencyMHz 1"}},
        {"as practice has it", [](TrackerConfig&) {}, {}},
        {"placeholder with SSID",
         [](TrackerConfig& c) { callsign(c, "n0call-7"); },
         {"error callsign-placeholder callsign 0"},
         "N0CALL"},
        {"blank callsign",
         [](TrackerConfig& c) { callsign(c, " -3"); },
         {"error callsign-blank callsign 0"}},
        {"seven characters",
         [](TrackerConfig& c) { callsign(c, "W1AWXYZ-3"); },
         {"error callsign-altered callsign 0"},
         "W1AWXY-3"},
        {"SSID out of range",
         [](TrackerConfig& c) { callsign(c, "W1AW-16"); },
         {"error callsign-altered callsign 0"},
         " W1AW,"},
        {"space inside",
         [](TrackerConfig& c) { callsign(c, "W1 AW"); },
         {"error callsign-altered callsign 0"}},
        {"lower case and SSID 0 are the same call",
         [](TrackerConfig& c) { callsign(c, "w1az-0"); },
         {}},
        {"empty path", [](TrackerConfig& c) { path(c, ""); }, {}},
        {"three hops",
         [](TrackerConfig& c) { path(c, "WIDE1-1,WIDE2-2"); },
         {"note path-hops digiPath 0"},
         "asks for 3"},
        {"four hops, a callsign ending in digits counting one",
         [](TrackerConfig& c) { path(c, "W1XYZ,WIDE2-2,K12-3"); },
         {"warning path-hops digiPath 0"}},
        {"retired aliases",
         [](TrackerConfig& c) { path(c, "RELAY,WIDE,TRACE9-1,TRACE0"); },
         {"warning path-obsolete digiPath 0", "warning path-obsolete digiPath 0",
          "warning path-obsolete digiPath 0", "warning path-obsolete digiPath 0",
          "note path-hops digiPath 0"}},
        {"WIDE3-N",
         [](TrackerConfig& c) { path(c, "WIDE3-3"); },
         {"warning path-wide-above-2 digiPath 0", "note path-hops digiPath 0"}},
        {"WIDE1-1 late",
         [](TrackerConfig& c) { path(c, "WIDE2-1,WIDE1-1"); },
         {"warning path-wide1-not-first digiPath 0"}},
        {"N above n",
         [](TrackerConfig& c) { path(c, "A1-2,Z2-3"); },
         {"warning path-ssid-above-n digiPath 0", "warning path-ssid-above-n digiPath 0",
          "warning path-hops digiPath 0"},
         "Use A1-1 rather than A1-2"},
        {"used-up hop",
         [](TrackerConfig& c) { path(c, "KB1ABC,WIDE2"); },
         {"warning path-used-hop digiPath 0"}},
        {"internet only",
         [](TrackerConfig& c) { path(c, "TCPIP*,qAR,TCPXX"); },
         {"error path-internet-only digiPath 0", "error path-internet-only digiPath 0",
          "error path-internet-only digiPath 0", "note path-hops digiPath 0"}},
        {"blank element",
         [](TrackerConfig& c) { path(c, "WIDE1-1,,WIDE2-1"); },
         {"error path-blank digiPath 0"}},
        {"path too long for the image",
         [](TrackerConfig& c) {
             path(c, "A,B,C,D,E,F,G");
             storeText(c.statusText[0], "");
             storeText(c.statusText[1], "");
         },
         {"error path-cut digiPath 0", "warning path-hops digiPath 0"},
         "\"A,B,C,D,E,F\""},
        {"fast beacons",
         [](TrackerConfig& c) {
             c.transmitRate[0] = 59;
             c.transmitRate[1] = 60;
         },
         {"warning rate-too-fast transmitRate 0"}},
        {"SmartBeaconing as shipped", [](TrackerConfig& c) { c.smartBeaconing[0] = true; }, {}},
        {"SmartBeaconing upside down",
         [](TrackerConfig& c) {
             c.smartBeaconing[0] = true;
             c.sbFastRate[0] = c.sbSlowRate[0];
             c.sbHighSpeed[0] = c.sbLowSpeed[0];
             c.transmitRate[0] = 30;  // not used with SmartBeaconing on
         },
         {"error smartbeaconing-rates sbFastRate 0", "error smartbeaconing-speeds sbHighSpeed 0"}},
        {"SmartBeaconing fast",
         [](TrackerConfig& c) {
             c.smartBeaconing[0] = true;
             c.sbFastRate[0] = 59;
         },
         {"warning rate-too-fast sbFastRate 0"}},
        {"slot and SmartBeaconing",
         [](TrackerConfig& c) {
             c.slotEnable[1] = true;
             c.smartBeaconing[1] = true;
         },
         {"error slot-with-smartbeaconing slotSeconds 1"}},
        {"slot after the interval; not also reported as lost",
         [](TrackerConfig& c) {
             c.slotEnable[0] = true;
             c.slotSeconds[0] = 150;
         },
         {"error slot-beyond-rate slotSeconds 0"}},
        {"slot at the end of the interval",
         [](TrackerConfig& c) {
             c.slotEnable[0] = true;
             c.slotSeconds[0] = 120;
         },
         {}},
        {"status too long",
         [](TrackerConfig& c) { storeText(c.statusText[1], std::string(70, 'x')); },
         {"error status-cut statusText 1"},
         "first 24 characters"},
        {"status characters",
         [](TrackerConfig& c) { storeText(c.statusText[0], "a|b~\xE9|"); },
         {"warning status-characters statusText 0"},
         "Remove '|', '~', U+00E9 from"},
        {"outside the band",
         [](TrackerConfig& c) { c.frequencyMHz[0] = 148.01f; },
         {"error frequency-band frequencyMHz 0"}},
        {"band edges",
         [](TrackerConfig& c) {
             c.frequencyMHz[0] = 148.002f;
             c.frequencyMHz[1] = 144.0f;
         },
         {},
         {},
         nullptr},
        {"Region 1 above 146",
         [](TrackerConfig& c) { station(c, "G4ABC", 146.005f); },
         {"error frequency-region-band frequencyMHz 0"},
         "England"},
        {"Region 1 band edge",
         [](TrackerConfig& c) { station(c, "G4ABC", 146.0f); },
         {"warning frequency-channel frequencyMHz 0"}},
        {"Region 1 channel", [](TrackerConfig& c) { station(c, "M0ABC", 144.8f); }, {}},
        {"Region 1 elsewhere",
         [](TrackerConfig& c) { station(c, "2E0ABC", 144.39f); },
         {"warning frequency-channel frequencyMHz 0"},
         "If you operate in England, "},
        {"a '*' country is a country",
         [](TrackerConfig& c) { station(c, "IG9A", 144.39f); },
         {"warning frequency-channel frequencyMHz 0"},
         "144.800 MHz"},
        {"testing frequency instead of the channel warning",
         [](TrackerConfig& c) { station(c, "G4ABC", 144.34f); },
         {"note frequency-testing frequencyMHz 0"}},
        {"United States away from its channel",
         [](TrackerConfig& c) { c.frequencyMHz[1] = 144.8f; },
         {"warning frequency-channel frequencyMHz 1"},
         "144.390 MHz"},
        {"whole call before prefix: Hawaii",
         [](TrackerConfig& c) { station(c, "AA7DI", 145.5f); },
         {"warning frequency-channel frequencyMHz 0"},
         "Hawaii"},
        {"longest prefix: Hawaii", [](TrackerConfig& c) { station(c, "KH6ABC", 144.39f); }, {}},
        {"continent override leaves Region 1",
         [](TrackerConfig& c) { station(c, "G4XYZ", 147.0f); },
         {}},
        {"zone shared by two regions: Mongolia",
         [](TrackerConfig& c) { station(c, "JT2ABC", 147.0f); },
         {"error frequency-region-band frequencyMHz 0"}},
        {"zone shared by two regions: China",
         [](TrackerConfig& c) { station(c, "BY9ABC", 147.0f); },
         {}},
        {"Australia", [](TrackerConfig& c) { station(c, "VK2ABC", 145.175f); }, {}},
        {"New Zealand",
         [](TrackerConfig& c) { station(c, "ZL1ABC", 145.175f); },
         {"warning frequency-channel frequencyMHz 0"},
         "144.575 MHz"},
        {"no list, no country",
         [](TrackerConfig& c) { station(c, "G4ABC", 147.0f); },
         {},
         {},
         nullptr},
        {"Emergency!",
         [](TrackerConfig& c) { c.micEStatus[1] = 7; },
         {"error mic-e-emergency micEStatus 1"}},
        {"Emergency! in its low byte, not also reported as lost",
         [](TrackerConfig& c) { c.micEStatus[0] = 263; },
         {"error mic-e-emergency micEStatus 0"}},
        {"Emergency! with Mic-E off",
         [](TrackerConfig& c) {
             c.micEStatus[0] = 7;
             c.micEEnable[0] = false;
         },
         {}},
        {"values the image keeps in part",
         [](TrackerConfig& c) {
             c.transmitRate[0] = 70000;
             c.micEPath[1] = -1;
             c.calibration = 300;
             c.symbolCode[0] = '\x05';
         },
         {"error value-kept-in-part calibration", "error value-kept-in-part micEPath 1",
          "error value-kept-in-part symbolCode 0", "error value-kept-in-part transmitRate 0"},
         "300 would be sent as 44."},
        {"delays beyond their last count",
         [](TrackerConfig& c) {
             c.delay1Ms[0] = 1708;
             c.delay3Ms[1] = -30;
         },
         {"error value-kept-in-part delay1Ms 0", "error value-kept-in-part delay3Ms 1"},
         "1708 ms would be sent as 1700 ms."},
        {"delays within their rounding",
         [](TrackerConfig& c) {
             c.delay1Ms[0] = 1707;
             c.delay2Ms[1] = 125;
             c.delay3Ms[0] = 500;
             c.packet300Baud[1] = true;
             c.delay1Ms[1] = 6826;
         },
         {}},
        {"a table character that is none",
         [](TrackerConfig& c) { c.symbolTable[1] = 'a'; },
         {"warning symbol-placeholder symbolTable 1"},
         "with 'a' maps may show a placeholder."},
        {"the same with a list says which",
         [](TrackerConfig& c) { c.symbolTable[1] = '~'; },
         {"warning symbol-placeholder symbolTable 1"},
         "(symbol list symbols.dat)",
         &prefixes(),
         symbols()},
        {"a code the list has no picture for",
         [](TrackerConfig& c) { c.symbolCode[0] = '>'; },
         {"warning symbol-placeholder symbolCode 0"},
         "for '>' on the primary table (symbol list symbols.dat).",
         &prefixes(),
         symbols()},
        {"an overlay on an alternate symbol, and what a control character becomes",
         [](TrackerConfig& c) {
             c.symbolTable[0] = '5';
             c.symbolCode[0] = '>';
             c.symbolCode[1] = '\x05';
             c.symbolTable[1] = '\x05';
         },
         {"error value-kept-in-part symbolCode 1", "error value-kept-in-part symbolTable 1"},
         "",
         &prefixes(),
         symbols()},
        {"without a list any code passes", [](TrackerConfig& c) { c.symbolCode[0] = '>'; }, {}},
        {"no room left for the Secondary's status text",
         [](TrackerConfig& c) {
             storeText(c.statusText[0], std::string(80, 'p'));
             storeText(c.statusText[1], "on the road");
         },
         {"error status-cut statusText 0", "error status-cut statusText 1"},
         "the Primary profile's status text leaves no room for this one"},
        {"little room left after the paths",
         [](TrackerConfig& c) {
             storeText(c.digiPath[0], "A1,A2,A3,A4,A5,A6,A7,A8,A9,B1,B2");
             storeText(c.digiPath[1], "C1,C2,C3,C4,C5,C6,C7,C8,C9,D1,D2");
             storeText(c.statusText[0], "");
             storeText(c.statusText[1], "at home");
         },
         {"error status-cut statusText 1", "error path-cut digiPath 0",
          "error path-cut digiPath 1"},
         "the tracker keeps only its first"},
        {"frequency beyond five digits",
         [](TrackerConfig& c) { c.frequencyMHz[0] = 644.39f; },
         {"error value-kept-in-part frequencyMHz 0"},
         "644.390 MHz would be sent as 144.390 MHz"},
    };
    for (const EditCase& test : cases) {
        SCOPED_TRACE(test.name);
        TrackerConfig config = usRecord();
        test.edit(config);
        const std::vector<Finding> findings = checkConfig(config, test.list, test.symbols);
        EXPECT_EQ(described(findings), test.expected);
        if (!test.mentioned.empty()) {
            EXPECT_TRUE(std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
                return f.message.find(test.mentioned) != std::string::npos;
            })) << test.mentioned;
        }
    }
}

TEST(ConfigCheck, WorksOnACopyAndShowsNothing) {
    testing::RecordingPresenter boxes;
    TrackerConfig config = usRecord();
    storeText(config.statusText[1], std::string(150, 'x'));
    config.slotEnable[0] = true;
    config.transmitRate[0] = 60;
    const TrackerConfig before = config;
    EXPECT_FALSE(checkConfig(config, nullptr, nullptr).empty());
    EXPECT_TRUE(testing::differingFields(config, before).empty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(ConfigCheck, EveryRuleHasAStableName) {
    for (int r = 0; r <= static_cast<int>(Rule::ValueKeptInPart); ++r) {
        const auto rule = static_cast<Rule>(r);
        EXPECT_EQ(findRule(ruleName(rule)), rule) << r;
    }
    EXPECT_EQ(findRule("no-such-rule"), std::nullopt);
}

// What a finding says reaches the front ends as a catalogue text: its English
// is the message, and the values it names stay out of the source.
TEST(ConfigCheck, FindingsCarryTheirCatalogueText) {
    const std::vector<std::function<void(TrackerConfig&)>> edits = {
        [](TrackerConfig& c) { c = TrackerConfig(); },
        [](TrackerConfig& c) { path(c, "TCPIP,WIDE3-3,WIDE1-1,RELAY"); },
        [](TrackerConfig& c) { c.frequencyMHz[0] = 644.39f; },
        [](TrackerConfig& c) { storeText(c.statusText[1], std::string(150, '~')); },
    };
    for (const auto& edit : edits) {
        TrackerConfig config = usRecord();
        edit(config);
        const std::vector<Finding> findings = checkConfig(config, &prefixes(), symbols());
        EXPECT_FALSE(findings.empty());
        for (const Finding& f : findings) {
            ASSERT_NE(f.said.source(), nullptr) << f.message;
            EXPECT_EQ(f.said.english(), f.message);
            for (const Text& value : f.said.values()) {
                // A digit alone may well stand in the words themselves.
                if (value.english().size() < 3) {
                    continue;
                }
                EXPECT_EQ(std::string(f.said.source()).find(value.english()), std::string::npos)
                    << f.message;
            }
        }
    }
}

// A list with a fault keeps everything else, and names the first bad line.
TEST(PrefixList, LeavesOutWhatItCannotReadAndKeepsTheRest) {
    struct Case {
        std::string text;
        std::vector<std::string_view> found;  // callsigns still placed
        std::vector<std::string_view> lost;   // callsigns no longer placed
        std::size_t badLine;
    };
    constexpr std::string_view kWales = "Wales: 14: 27: EU: 52.0: 3.0: 0.0: GW:\n GW,MW;\n";
    const std::string england = "England: 14: 27: EU: 52.77: 1.47: 0.0: G:\n";
    const std::vector<Case> cases = {
        {"", {}, {"G4XYZ"}, 0},
        {england + " G,M;\n" + std::string(kWales), {"G4XYZ", "MW1AB"}, {}, 0},
        {"England: 14: 27: EU: 52.77: 1.47: 0.0\n G,M;\n" + std::string(kWales),
         {"GW1AB"},
         {"G4XYZ"},
         1},
        {"England: 14: 27: XX: 52.77: 1.47: 0.0: G:\n G,M;\n" + std::string(kWales),
         {"GW1AB"},
         {"G4XYZ"},
         1},
        {"England: 14: 91: EU: 52.77: 1.47: 0.0: G:\n G,M;\n" + std::string(kWales),
         {"GW1AB"},
         {"G4XYZ"},
         1},
        {"England: 14: 0: EU: 52.77: 1.47: 0.0: G:\n G;\n", {}, {"G4XYZ"}, 1},
        {"England: 14: 2x: EU: 52.77: 1.47: 0.0: G:\n G;\n", {}, {"G4XYZ"}, 1},
        {england + " G[9,M;\n", {"M0ABC"}, {"G4XYZ"}, 2},
        {england + " G{XX},\n M;\n", {"M0ABC"}, {"G4XYZ"}, 2},
        {england + " G,\n M!;\n", {"G4XYZ"}, {"M0ABC"}, 3},
        {england + " G,=,M;\n", {"G4XYZ", "M0ABC"}, {}, 2},
        {england + " G,M;\n" + std::string(kWales) + "Scotland: 14", {"G4XYZ", "GW1AB"}, {}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::size_t badLine = 99;
        const std::optional<PrefixList> list = PrefixList::parse(c.text, &badLine);
        EXPECT_EQ(badLine, c.badLine);
        ASSERT_EQ(list.has_value(), !c.found.empty());
        for (std::string_view call : c.found) {
            EXPECT_TRUE(list->find(call)) << call;
        }
        for (std::string_view call : c.lost) {
            EXPECT_FALSE(list && list->find(call)) << call;
        }
    }
}

// Whatever the variable names, the list is read at once or not at all, and
// the reason is one line that names the file.
TEST(PrefixList, ReadsOnlyARegularFileOfAFewMiB) {
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "lists";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto file = [&](const char* name) { return (folder / name).string(); };
    ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0600), 0);
    std::ofstream(file("large"), std::ios::binary) << kPrefixes;
    std::filesystem::resize_file(file("large"), std::size_t{9} << 20);
    std::ofstream(file("part"), std::ios::binary) << kPrefixes << "Wales: 14;\n";
    struct Case {
        std::string path;
        bool listed;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {file(""), false, "no callsign-prefix list: " + file("") + " is not a regular file"},
        {file("fifo"), false, "no callsign-prefix list: " + file("fifo") + " is not a regular"},
        {"/dev/zero", false, "no callsign-prefix list: /dev/zero is not a regular file"},
        {file("missing"), false, "no callsign-prefix list: cannot open " + file("missing")},
        {file("large"), false,
         "no callsign-prefix list: " + file("large") + " is larger than 8 MiB"},
        {file("part"), true,
         "the callsign-prefix list " + file("part") + " was read only in part: line 20 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const PrefixListRead read = PrefixList::load(c.path);
        EXPECT_EQ(read.list.has_value(), c.listed);
        EXPECT_TRUE(read.problem.starts_with(c.problem)) << read.problem;
        EXPECT_EQ(read.problem.find('\n'), std::string::npos);
    }
    std::filesystem::remove_all(folder);
}

TEST(PrefixList, FindsTheMatchingEntryWithItsOverrides) {
    const std::optional<CallsignPlace> override = prefixes().find("AA0XYZ");
    ASSERT_TRUE(override);
    EXPECT_EQ(override->country->name, "United States of America");
    EXPECT_EQ(override->ituZone, 7);
    EXPECT_EQ(override->continent, "NA");
    EXPECT_EQ(prefixes().find("G4XYZ")->continent, "OC");
    EXPECT_EQ(prefixes().find("IG9A")->country->prefix, "IG9");
    EXPECT_FALSE(prefixes().find("X1ABC"));
    EXPECT_EQ(ituRegion(*prefixes().find("KH6ABC")), ItuRegion::Two);
}

TEST(PrefixList, TheSystemListIsReadOnceFromTheFileTheVariableNames) {
    const std::filesystem::path file = std::filesystem::path(::testing::TempDir()) / "cty.dat";
    std::ofstream(file, std::ios::binary) << kPrefixes;
    ASSERT_EQ(setenv("QZ5_PREFIX_LIST", file.c_str(), 1), 0);
    const PrefixList* list = systemPrefixList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->find("G4XYZ")->continent, "OC");
    std::filesystem::remove(file);
    EXPECT_EQ(systemPrefixList(), list);
}

}  // namespace
}  // namespace qz5
