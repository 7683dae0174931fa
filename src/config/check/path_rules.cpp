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

void checkElement(const Element& e, bool first, int k, FindingList& findings) {
    const auto field = &TrackerConfig::digiPath;
    if (e.base.empty()) {
        findings.add(Severity::Error, Rule::PathBlank, field, k,
                     "Remove the empty element from the path: the tracker would send a blank "
                     "digipeater address.");
        return;
    }
    if (isInternetOnly(e.base)) {
        findings.add(Severity::Error, Rule::PathInternetOnly, field, k,
                     "Remove " + e.text +
                         " from the path: it marks packets from the internet and must never go "
                         "out on the air.");
        return;
    }
    if (isRetired(e.base)) {
        findings.add(Severity::Warning, Rule::PathObsolete, field, k,
                     "Replace " + e.text +
                         " with WIDE1-1 or WIDE2-n: digipeaters no longer service this alias.");
    }
    const std::optional<int> n = aliasN(e.base);
    if (isWideN(e.base) && *n > kHighestWideN) {
        findings.add(
            Severity::Warning, Rule::PathWideAbove2, field, k,
            "Use WIDE2-2 at most instead of " + e.text + ": digipeaters limit WIDEn-N to n of 2.");
    }
    if (e.base == "WIDE1" && e.ssid == 1 && !first) {
        findings.add(Severity::Warning, Rule::PathWide1NotFirst, field, k,
                     "Put WIDE1-1 first in the path or leave it out: it asks for a fill-in "
                     "digipeater's first hop only.");
    }
    if (n && e.ssid > *n) {
        findings.add(Severity::Warning, Rule::PathSsidAboveN, field, k,
                     "Use " + e.base + "-" + std::to_string(*n) + " rather than " + e.text +
                         ": N above n is not serviced.");
    }
    if (isWideN(e.base) && e.ssid == 0) {
        findings.add(Severity::Warning, Rule::PathUsedHop, field, k,
                     "Remove " + e.text +
                         " from the path: a hop with SSID 0 is used up and asks for nothing.");
    }
}

}  // namespace

void checkPath(const CheckInput& input, int k, FindingList& findings) {
    const std::vector<CallsignAddress> addresses = splitPath(fieldText(input.entered.digiPath[k]));
    int total = 0;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        const Element e = element(addresses[i]);
        checkElement(e, i == 0, k, findings);
        total += hops(e);
    }
    if (total >= kHopsForNote) {
        const bool tooMany = total >= kHopsForWarning;
        findings.add(tooMany ? Severity::Warning : Severity::Note, Rule::PathHops,
                     &TrackerConfig::digiPath, k,
                     "Ask for two hops, as WIDE1-1,WIDE2-1 does: this path asks for " +
                         std::to_string(total) +
                         (tooMany ? ", which floods the network."
                                  : ", which suits only an area with few digipeaters."));
    }
}

}  // namespace qz5::check
