// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>

#include "config/check/rule_groups.h"
#include "config/text_field.h"

namespace qz5::check {
namespace {

// Printable ASCII, less the two characters APRS keeps for itself.
bool isStatusCharacter(unsigned char c) {
    return c >= 0x20 && c <= 0x7E && c != '|' && c != '~';
}

// The status texts come last in the image, the Primary's first: a text with
// no room at all is worth naming apart, with what took its room.
Text cutAdvice(const CheckInput& input, int k, std::size_t kept) {
    if (kept > 0) {
        const auto count = static_cast<long>(kept);
        return say("Check",
                   "Shorten the status text, use fewer digipeaters or share settings between the "
                   "profiles: the tracker keeps only its first %n characters.",
                   nullptr, count);
    }
    if (k == 1 && !fieldText(input.sent.statusText[0]).empty()) {
        return say("Check",
                   "Shorten the Primary profile's status text, use fewer digipeaters or share "
                   "settings between the profiles: the Primary profile's status text leaves no "
                   "room for this one.");
    }
    return say("Check",
               "Use fewer digipeaters or share settings between the profiles: no room is left "
               "for the status text.");
}

}  // namespace

void checkStatusText(const CheckInput& input, int k, FindingList& findings) {
    const auto field = &TrackerConfig::statusText;
    const std::string_view entered = fieldText(input.entered.statusText[k]);
    const std::string_view sent = fieldText(input.sent.statusText[k]);
    if (sent != entered) {
        findings.add(Severity::Error, Rule::StatusCut, field, k, cutAdvice(input, k, sent.size()));
    }

    std::string found;
    std::array<bool, 256> named{};
    for (const char ch : entered) {
        const auto c = static_cast<unsigned char>(ch);
        if (!isStatusCharacter(c) && !named[c]) {
            named[c] = true;
            found += (found.empty() ? "" : ", ") + shownCharacter(static_cast<char>(c));
        }
    }
    if (!found.empty()) {
        findings.add(Severity::Warning, Rule::StatusCharacters, field, k,
                     say("Check",
                         "Remove %1 from the status text: APRS keeps status texts to printable "
                         "ASCII other than | and ~.")
                         .with(found));
    }
}

}  // namespace qz5::check
