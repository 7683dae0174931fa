// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/check/config_check.h"

#include <algorithm>
#include <array>
#include <span>

#include "common/message_box.h"
#include "config/check/rule_groups.h"
#include "config/config_image.h"

namespace qz5 {

std::vector<Finding> checkConfig(const TrackerConfig& config, const PrefixList* prefixes) {
    // The encoder sets derived flags and may warn about a cut text; the check
    // runs it on a copy, with its boxes kept from the screen.
    TrackerConfig entered = config;
    std::array<std::uint8_t, kImageBufferSize> image{};
    {
        SilentPresenter silent;
        ScopedThreadMessagePresenter quiet(silent);
        entered.encodeImage(image);
    }
    TrackerConfig sent = entered;
    // A whole image always decodes.
    static_cast<void>(sent.decodeImage(std::span(image.data(), kImageSize)));

    const check::CheckInput input{entered, sent, prefixes};
    check::FindingList findings;
    for (int k = 0; k < kProfileCount; ++k) {
        check::checkCallsign(input, k, findings);
        check::checkPath(input, k, findings);
        check::checkBeaconing(input, k, findings);
        check::checkStatusText(input, k, findings);
        check::checkFrequency(input, k, findings);
    }
    check::checkKeptValues(input, findings);

    std::vector<Finding> sorted = findings.take();
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Finding& a, const Finding& b) { return a.severity < b.severity; });
    return sorted;
}

}  // namespace qz5
