// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace qz5 {

// Error: it cannot work or it harms the network. Warning: it works but goes
// against practice. Note: worth knowing. In that order, most severe first.
enum class Severity { Error, Warning, Note };

// Every rule the check knows; their names below are stable, for scripts and
// for leaving a rule out.
enum class Rule {
    CallsignPlaceholder,
    CallsignBlank,
    CallsignAltered,
    PathCut,
    PathBlank,
    PathHops,
    PathObsolete,
    PathWideAbove2,
    PathWide1NotFirst,
    PathSsidAboveN,
    PathUsedHop,
    PathInternetOnly,
    RateTooFast,
    SmartBeaconingRates,
    SmartBeaconingSpeeds,
    SlotWithSmartBeaconing,
    SlotBeyondRate,
    StatusCut,
    StatusCharacters,
    FrequencyBand,
    FrequencyRegionBand,
    FrequencyChannel,
    FrequencyTesting,
    MicEEmergency,
    SymbolPlaceholder,
    ValueKeptInPart,
};
// A new rule goes before it, or becomes it.
constexpr Rule kLastRule = Rule::ValueKeptInPart;

// One thing the check found in a configuration.
struct Finding {
    Severity severity;
    Rule rule;
    const char* field;           // the field's JSON name, from the field table
    std::optional<int> profile;  // none for a field both profiles share
    std::string message;         // one sentence that says what to do
    Text said{};                 // the message as the catalogues know it
};

std::string_view severityName(Severity severity);
// "callsign-placeholder", "path-hops", ...
std::string_view ruleName(Rule rule);
// What to do in a few words, to follow the field's label: "enter your own".
std::string_view ruleHeadline(Rule rule);
// Every rule's name, in the order of the rules above.
std::vector<std::string_view> ruleNames();
// The rule with this name, if there is one.
std::optional<Rule> findRule(std::string_view name);

}  // namespace qz5
