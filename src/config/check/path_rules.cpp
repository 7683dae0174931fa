// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>

#include "config/address_codec.h"
#include "config/callsign.h"
#include "config/check/rule_groups.h"
#include "config/text_field.h"

namespace qz5::check {
namespace {

constexpr int kHopsForNote = 3;
constexpr int kHopsForWarning = 4;
constexpr int kHighestWideN = 2;

// Aliases the network no longer services.
constexpr std::array<std::string_view, 3> kRetiredAliases = {"RELAY", "WIDE", "TRACE"};
// Marks of packets that came from the internet; they never belong on the air.
constexpr std::array<std::string_view, 2> kInternetTokens = {"TCPIP", "TCPXX"};

bool isLetter(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// One path element as the image will carry it.
struct Element {
    std::string base;  // upper case, no padding; empty for a blank element
    int ssid;
    std::string text;  // as it reads back, e.g. WIDE2-1
};

Element element(const CallsignAddress& address) {
    std::string base(address.base.data());
    base.erase(base.find_last_not_of(' ') + 1);
    return {base, address.ssid, addressText(encodeAddress(address))};
}

// The n of an n-N alias (letters, then one digit: WIDE2, SS2), if it is one.
std::optional<int> aliasN(std::string_view base) {
    if (base.size() < 2 || !isDigit(base.back()) ||
        !std::all_of(base.begin(), base.end() - 1, isLetter)) {
        return std::nullopt;
    }
    return base.back() - '0';
}

bool isWideN(std::string_view base) {
    return base.size() == 5 && base.substr(0, 4) == "WIDE" && isDigit(base.back());
}

bool isRetired(std::string_view base) {
    const bool traceN = base.size() == 6 && base.substr(0, 5) == "TRACE" && isDigit(base.back());
    return traceN ||
           std::find(kRetiredAliases.begin(), kRetiredAliases.end(), base) != kRetiredAliases.end();
}

bool isInternetOnly(std::string_view base) {
    const bool qConstruct = base.size() >= 3 && base.substr(0, 2) == "QA" && isLetter(base[2]);
    return qConstruct ||
           std::find(kInternetTokens.begin(), kInternetTokens.end(), base) != kInternetTokens.end();
}

// The hops an element asks for: N for an n-N alias, one for a digipeater's
// callsign, none for a blank.
int hops(const Element& e) {
    if (e.base.empty()) {
        return 0;
    }
    return aliasN(e.base) ? e.ssid : 1;
}

// A rule on one element: whether it applies (the element, and whether it is
// the first) and what to do about it.
struct ElementRule {
    Rule rule;
    Severity severity;
    bool (*applies)(const Element&, bool first);
    Text (*advice)(const Element&);
};

const std::array<ElementRule, 7> kElementRules = {{
    {Rule::PathBlank, Severity::Error, [](const Element& e, bool) { return e.base.empty(); },
     [](const Element&) {
         return say("Check",
                    "Remove the empty element from the path: the tracker would send a "
                    "blank digipeater address.");
     }},
    {Rule::PathInternetOnly, Severity::Error,
     [](const Element& e, bool) { return isInternetOnly(e.base); },
     [](const Element& e) {
         return say("Check",
                    "Remove %1 from the path: it marks packets from the internet and must never "
                    "go out on the air.")
             .with(e.text);
     }},
    {Rule::PathObsolete, Severity::Warning,
     [](const Element& e, bool) { return isRetired(e.base); },
     [](const Element& e) {
         return say("Check",
                    "Replace %1 with WIDE1-1 or WIDE2-n: digipeaters no longer service this alias.")
             .with(e.text);
     }},
    {Rule::PathWideAbove2, Severity::Warning,
     [](const Element& e, bool) { return isWideN(e.base) && *aliasN(e.base) > kHighestWideN; },
     [](const Element& e) {
         return say("Check",
                    "Use WIDE2-2 at most instead of %1: digipeaters limit WIDEn-N to n of 2.")
             .with(e.text);
     }},
    {Rule::PathWide1NotFirst, Severity::Warning,
     [](const Element& e, bool first) { return e.base == "WIDE1" && e.ssid == 1 && !first; },
     [](const Element&) {
         return say("Check",
                    "Put WIDE1-1 first in the path or leave it out: it asks for a "
                    "fill-in digipeater's first hop only.");
     }},
    {Rule::PathSsidAboveN, Severity::Warning,
     [](const Element& e, bool) { return aliasN(e.base) && e.ssid > *aliasN(e.base); },
     [](const Element& e) {
         return say("Check", "Use %1 rather than %2: N above n is not serviced.")
             .with(e.base + "-" + std::to_string(*aliasN(e.base)), e.text);
     }},
    {Rule::PathUsedHop, Severity::Warning,
     [](const Element& e, bool) { return isWideN(e.base) && e.ssid == 0; },
     [](const Element& e) {
         return say("Check",
                    "Remove %1 from the path: a hop with SSID 0 is used up and asks for nothing.")
             .with(e.text);
     }},
}};

}  // namespace

void checkPath(const CheckInput& input, int k, FindingList& findings) {
    const std::vector<CallsignAddress> addresses = splitPath(fieldText(input.entered.digiPath[k]));
    int total = 0;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        const Element e = element(addresses[i]);
        for (const ElementRule& rule : kElementRules) {
            if (rule.applies(e, i == 0)) {
                findings.add(rule.severity, rule.rule, &TrackerConfig::digiPath, k, rule.advice(e));
            }
        }
        total += hops(e);
    }
    if (total >= kHopsForNote) {
        const bool tooMany = total >= kHopsForWarning;
        findings.add(tooMany ? Severity::Warning : Severity::Note, Rule::PathHops,
                     &TrackerConfig::digiPath, k,
                     (tooMany ? say("Check",
                                    "Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks "
                                    "for %1, which floods the network.")
                              : say("Check",
                                    "Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks "
                                    "for %1, which suits only an area with few digipeaters."))
                         .with(std::to_string(total)));
    }
}

}  // namespace qz5::check
