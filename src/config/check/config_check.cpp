// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/check/config_check.h"

#include <algorithm>
#include <array>
#include <span>

#include "config/check/rule_groups.h"
#include "config/config_image.h"

namespace qz5 {

std::vector<Finding> checkConfig(const TrackerConfig& config, const PrefixList* prefixes,
                                 const SymbolSource* symbols) {
    // The encoder sets derived flags, so it runs on a copy. Its core tells
    // nothing to anyone: the rules below say per profile what was cut.
    TrackerConfig entered = config;
    static_cast<void>(entered.encodeRecord());
    const TrackerConfig sent = keptByTracker(entered);

    const check::CheckInput input{entered, sent, prefixes, symbols};
    check::FindingList findings;
    for (int k = 0; k < kProfileCount; ++k) {
        check::checkCallsign(input, k, findings);
        check::checkPath(input, k, findings);
        check::checkBeaconing(input, k, findings);
        check::checkStatusText(input, k, findings);
        check::checkFrequency(input, k, findings);
        check::checkSymbol(input, k, findings);
    }
    check::checkKeptValues(input, findings);

    std::vector<Finding> sorted = findings.take();
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Finding& a, const Finding& b) { return a.severity < b.severity; });
    return sorted;
}

}  // namespace qz5
