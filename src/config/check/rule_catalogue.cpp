// SPDX-License-Identifier: GPL-3.0-or-later
// The check's rules by name, each with the public document it comes from.
#include <array>
#include <cstddef>

#include "common/text.h"
#include "config/check/finding.h"

namespace qz5 {
namespace {

struct RuleEntry {
    Rule rule;
    std::string_view name;
    // What to do, in a few words after the field's label: a strip one line
    // wide shows it whole.
    std::string_view headline;
};

constexpr auto kRules = std::to_array<RuleEntry>({
    // APRS-IS server documentation: packets from placeholder callsigns are
    // not accepted onto the network.
    {Rule::CallsignPlaceholder, "callsign-placeholder", QZ5_TEXT("Check", "enter your own")},
    // APRS Protocol Reference 1.0.1, "AX.25 Frame Format": a station
    // address is at most six letters or digits and an SSID of 0 to 15.
    {Rule::CallsignBlank, "callsign-blank", QZ5_TEXT("Check", "enter one")},
    {Rule::CallsignAltered, "callsign-altered", QZ5_TEXT("Check", "enter it as sent")},
    {Rule::PathCut, "path-cut", QZ5_TEXT("Check", "shorten it")},
    {Rule::PathBlank, "path-blank", QZ5_TEXT("Check", "remove the empty hop")},
    // The New n-N Paradigm notes: two hops for mobiles, three only where the
    // network is sparse; RELAY, WIDE and TRACE are retired; WIDE1-1 is only
    // the first hop; n-N with N above n, WIDEn above 2 and used-up hops are
    // not serviced.
    {Rule::PathHops, "path-hops", QZ5_TEXT("Check", "ask for two hops")},
    {Rule::PathObsolete, "path-obsolete", QZ5_TEXT("Check", "replace the retired alias")},
    {Rule::PathWideAbove2, "path-wide-above-2", QZ5_TEXT("Check", "use WIDE2-2 at most")},
    {Rule::PathWide1NotFirst, "path-wide1-not-first", QZ5_TEXT("Check", "put WIDE1-1 first")},
    {Rule::PathSsidAboveN, "path-ssid-above-n", QZ5_TEXT("Check", "lower the SSID")},
    {Rule::PathUsedHop, "path-used-hop", QZ5_TEXT("Check", "remove the used-up hop")},
    // APRS-IS server documentation, "q Construct" and "IGate Details":
    // TCPIP, TCPXX and q constructs belong to the internet and never to RF.
    {Rule::PathInternetOnly, "path-internet-only", QZ5_TEXT("Check", "remove the internet alias")},
    // The published SmartBeaconing guidance: one minute is for special
    // events, two or more for routine mobiles; the fast rate must be
    // shorter than the slow rate and the high speed above the low speed.
    {Rule::RateTooFast, "rate-too-fast", QZ5_TEXT("Check", "beacon less often")},
    {Rule::SmartBeaconingRates, "smartbeaconing-rates",
     QZ5_TEXT("Check", "keep it below the slow rate")},
    {Rule::SmartBeaconingSpeeds, "smartbeaconing-speeds",
     QZ5_TEXT("Check", "keep it above the low speed")},
    // The tracker's image: the time slot is kept in SmartBeaconing's bytes,
    // and a slot later than the interval never comes.
    {Rule::SlotWithSmartBeaconing, "slot-with-smartbeaconing",
     QZ5_TEXT("Check", "turn it or SmartBeaconing off")},
    {Rule::SlotBeyondRate, "slot-beyond-rate", QZ5_TEXT("Check", "keep it within the rate")},
    // The tracker's image keeps what fits of the status texts. APRS Protocol
    // Reference 1.0.1, "Status Reports": printable ASCII except | and ~.
    {Rule::StatusCut, "status-cut", QZ5_TEXT("Check", "shorten it")},
    {Rule::StatusCharacters, "status-characters", QZ5_TEXT("Check", "use plain ASCII")},
    // ITU Radio Regulations, Article 5: the 2 m amateur band is 144-148 MHz,
    // in Region 1 only 144-146 MHz. The APRS channels: IARU Region 1 VHF band
    // plan (144.800), the tracker's own frequency list (144.390 for the
    // Americas, 145.175 for Australia, 144.340 for testing), the New Zealand
    // national society's APRS guidance (144.575).
    {Rule::FrequencyBand, "frequency-band", QZ5_TEXT("Check", "use the 2 m band")},
    {Rule::FrequencyRegionBand, "frequency-region-band",
     QZ5_TEXT("Check", "keep to 146 MHz at most")},
    {Rule::FrequencyChannel, "frequency-channel", QZ5_TEXT("Check", "use your APRS channel")},
    {Rule::FrequencyTesting, "frequency-testing", QZ5_TEXT("Check", "set your APRS channel")},
    // APRS Protocol Reference 1.0.1, "Mic-E Message Codes": Emergency sets
    // off alarms at every station that hears it.
    {Rule::MicEEmergency, "mic-e-emergency", QZ5_TEXT("Check", "choose another")},
    // APRS Protocol Reference 1.0.1, "APRS Symbols": the table is / or \\,
    // or an overlay 0-9 or A-Z on an alternate symbol; a map draws what it
    // has no picture for as a placeholder.
    {Rule::SymbolPlaceholder, "symbol-placeholder", QZ5_TEXT("Check", "choose one a map can draw")},
    // The tracker's image: what it cannot hold is sent as something else.
    {Rule::ValueKeptInPart, "value-kept-in-part", QZ5_TEXT("Check", "enter a value it keeps")},
});

// A rule without its entry would have no name and no source.
constexpr bool eachRuleOnce() {
    const auto count = static_cast<std::size_t>(kLastRule) + 1;
    for (std::size_t rule = 0; rule < count; ++rule) {
        std::size_t entries = 0;
        for (const RuleEntry& entry : kRules) {
            entries += static_cast<std::size_t>(entry.rule) == rule ? 1 : 0;
        }
        if (entries != 1) {
            return false;
        }
    }
    return kRules.size() == count;
}
static_assert(eachRuleOnce(), "every rule needs exactly one entry in kRules");

}  // namespace

std::string_view severityName(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return "error";
        case Severity::Warning:
            return "warning";
        case Severity::Note:
            return "note";
    }
    return {};
}

std::string_view ruleName(Rule rule) {
    for (const RuleEntry& entry : kRules) {
        if (entry.rule == rule) {
            return entry.name;
        }
    }
    return {};
}

std::string_view ruleHeadline(Rule rule) {
    for (const RuleEntry& entry : kRules) {
        if (entry.rule == rule) {
            return entry.headline;
        }
    }
    return {};
}

std::vector<std::string_view> ruleNames() {
    std::vector<std::string_view> names;
    names.reserve(kRules.size());
    for (const RuleEntry& entry : kRules) {
        names.push_back(entry.name);
    }
    return names;
}

std::optional<Rule> findRule(std::string_view name) {
    for (const RuleEntry& entry : kRules) {
        if (entry.name == name) {
            return entry.rule;
        }
    }
    return std::nullopt;
}

}  // namespace qz5
