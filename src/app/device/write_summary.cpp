// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/write_summary.h"

#include <QString>
#include <string>
#include <vector>

#include "app/kept/difference_list.h"
#include "config/settings_comparison.h"

namespace qz5 {

namespace {

std::string changesOf(const std::vector<SettingDifference>& changes, std::size_t shown) {
    std::string lines;
    for (std::size_t i = 0; i < changes.size() && i < shown; ++i) {
        lines += differenceText(changes[i]).toStdString() + "\n";
    }
    return lines;
}

// Each case is one sentence, so that a translation words it whole.
Text unchangedHint(const Keeping& keeping) {
    if (keeping.number) {
        return say("Write",
                   "The tracker already held these settings.\nThe earlier settings are kept: "
                   "History, entry %1.")
            .with(std::to_string(*keeping.number));
    }
    return say("Write",
               "The tracker already held these settings.\nThe earlier settings are kept in the "
               "History.");
}

Text changedHint(const Keeping& keeping, const std::string& lines) {
    if (keeping.number) {
        return say("Write",
                   "Changed on the tracker:\n%1The earlier settings are kept: History, entry %2.")
            .with(lines, std::to_string(*keeping.number));
    }
    return say("Write", "Changed on the tracker:\n%1The earlier settings are kept in the History.")
        .with(lines);
}

Text moreChangedHint(const Keeping& keeping, const std::string& lines, std::size_t more) {
    const auto count = static_cast<long>(more);
    if (keeping.number) {
        return say("Write",
                   "Changed on the tracker:\n%1and %n more\nThe earlier settings are kept: "
                   "History, entry %2.",
                   nullptr, count)
            .with(lines, std::to_string(*keeping.number));
    }
    return say("Write",
               "Changed on the tracker:\n%1and %n more\nThe earlier settings are kept in the "
               "History.",
               nullptr, count)
        .with(lines);
}

}  // namespace

void describeWrite(Message& success, const Keeping& keeping, const ConfigImage& written) {
    switch (keeping.verdict) {
        case Keeping::Verdict::NotChosen:
            success.hint = say("Write",
                               "The tracker's settings from before this write were not read, so "
                               "they are kept nowhere. \"Keep Settings Before Writing\" on the "
                               "window menu keeps them next time.");
            return;
        case Keeping::Verdict::WriteWithout:
        case Keeping::Verdict::Stop:
            success.hint =
                say("Write", "The tracker's settings from before this write could not be kept.");
            return;
        case Keeping::Verdict::Kept:
            break;
    }
    const std::vector<SettingDifference> changes = compareSettings(*keeping.image, written);
    if (changes.empty()) {
        success.hint = unchangedHint(keeping);
        return;
    }
    const std::string lines = changesOf(changes, kChangesShown);
    if (changes.size() <= kChangesShown) {
        success.hint = changedHint(keeping, lines);
        return;
    }
    success.hint = moreChangedHint(keeping, lines, changes.size() - kChangesShown);
    success.detail = changesOf(changes, changes.size());
}

}  // namespace qz5
