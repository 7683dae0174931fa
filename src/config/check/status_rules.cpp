// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "config/check/rule_groups.h"
#include "config/text_field.h"

namespace qz5::check {
namespace {

// Printable ASCII, less the two characters APRS keeps for itself.
bool isStatusCharacter(unsigned char c) {
    return c >= 0x20 && c <= 0x7E && c != '|' && c != '~';
}

}  // namespace

void checkStatusText(const CheckInput& input, int k, FindingList& findings) {
    const auto field = &TrackerConfig::statusText;
    const std::string_view entered = fieldText(input.entered.statusText[k]);
    const std::string_view sent = fieldText(input.sent.statusText[k]);
    if (sent != entered) {
        findings.add(Severity::Error, Rule::StatusCut, field, k,
                     "Shorten the status text, use fewer digipeaters or share settings between "
                     "the profiles: the tracker keeps only its first " +
                         std::to_string(sent.size()) + " characters.");
    }

    std::string found;
    std::array<bool, 256> named{};
    for (unsigned char c : entered) {
        if (!isStatusCharacter(c) && !named[c]) {
            named[c] = true;
            found += (found.empty() ? "" : ", ") + shownCharacter(static_cast<char>(c));
        }
    }
    if (!found.empty()) {
        findings.add(Severity::Warning, Rule::StatusCharacters, field, k,
                     "Remove " + found +
                         " from the status text: APRS keeps status texts to printable ASCII "
                         "other than | and ~.");
    }
}

}  // namespace qz5::check
