// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>

#include "config/callsign.h"
#include "config/check/rule_groups.h"
#include "config/text_field.h"

namespace qz5::check {
namespace {

// The callsigns trackers and programs ship with, which the APRS-IS servers
// refuse.
constexpr std::array<std::string_view, 2> kPlaceholders = {"NOCALL", "N0CALL"};

std::string upperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

}  // namespace

std::string sentCallsignBase(const TrackerConfig& config, int profile) {
    const CallsignAddress address = normaliseCallsign(fieldText(config.callsign[profile]));
    std::string base(address.base.data());
    base.erase(base.find_last_not_of(' ') + 1);
    return base;
}

bool isPlaceholderCallsign(std::string_view base) {
    return std::find(kPlaceholders.begin(), kPlaceholders.end(), base) != kPlaceholders.end();
}

void checkCallsign(const CheckInput& input, int k, FindingList& findings) {
    const auto field = &TrackerConfig::callsign;
    const std::string base = sentCallsignBase(input.entered, k);
    if (base.empty()) {
        findings.add(
            Severity::Error, Rule::CallsignBlank, field, k,
            say("Check", "Enter the station's callsign: the tracker would send a blank one."));
        return;
    }
    if (isPlaceholderCallsign(base)) {
        findings.add(
            Severity::Error, Rule::CallsignPlaceholder, field, k,
            say("Check", "Enter your own callsign: APRS-IS servers refuse %1.").with(base));
    }
    // Case is harmless and an explicit SSID of 0 is the bare callsign; any
    // other difference means the tracker sends something else than typed.
    const std::string_view typed = fieldText(input.entered.callsign[k]);
    const std::string sent = formatCallsign(typed);
    const std::string given = upperAscii(typed);
    if (given != sent && given != sent + "-0") {
        findings.add(Severity::Error, Rule::CallsignAltered, field, k,
                     say("Check",
                         "Enter the callsign as %1, which is what the tracker will send: it keeps "
                         "at most six letters or digits and an SSID from 0 to 15.")
                         .with(sent));
    }
}

}  // namespace qz5::check
