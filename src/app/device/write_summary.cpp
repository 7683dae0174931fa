// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/write_summary.h"

#include <QString>
#include <string>
#include <vector>

#include "app/kept/difference_list.h"
#include "config/settings_comparison.h"

namespace qz5 {

namespace {

std::string whereKept(const Keeping& keeping) {
    return keeping.number ? "The earlier settings are kept: History, entry " +
                                std::to_string(*keeping.number) + "."
                          : std::string("The earlier settings are kept in the History.");
}

std::string changesOf(const std::vector<SettingDifference>& changes, std::size_t shown) {
    std::string lines;
    for (std::size_t i = 0; i < changes.size() && i < shown; ++i) {
        lines += differenceText(changes[i]).toStdString() + "\n";
    }
    return lines;
}

}  // namespace

void describeWrite(Message& success, const Keeping& keeping, const ConfigImage& written) {
    switch (keeping.verdict) {
        case Keeping::Verdict::NotChosen:
            success.hint =
                "The tracker's settings from before this write were not read, so they are kept "
                "nowhere. \"Keep Settings Before Writing\" on the window menu keeps them next "
                "time.";
            return;
        case Keeping::Verdict::WriteWithout:
        case Keeping::Verdict::Stop:
            success.hint = "The tracker's settings from before this write could not be kept.";
            return;
        case Keeping::Verdict::Kept:
            break;
    }
    const std::vector<SettingDifference> changes = compareSettings(*keeping.image, written);
    if (changes.empty()) {
        success.hint = "The tracker already held these settings.\n" + whereKept(keeping);
        return;
    }
    success.hint = "Changed on the tracker:\n" + changesOf(changes, kChangesShown);
    if (changes.size() > kChangesShown) {
        success.hint += "and " + std::to_string(changes.size() - kChangesShown) + " more\n";
        success.detail = changesOf(changes, changes.size());
    }
    success.hint += whereKept(keeping);
}

}  // namespace qz5
