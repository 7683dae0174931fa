// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings_comparison.h"

#include <algorithm>
#include <functional>
#include <numeric>

#include "config/tracker_config.h"

namespace qz5 {
namespace {

TrackerConfig decoded(const ConfigImage& image) {
    TrackerConfig settings;
    static_cast<void>(settings.decodeImage(image));  // a whole image always decodes
    return settings;
}

void note(std::vector<SettingDifference>& differences, std::optional<int> profile,
          const FieldInfo& field, SettingValue before, SettingValue after) {
    if (before != after) {
        differences.push_back({profile, field, std::move(before), std::move(after)});
    }
}

}  // namespace

std::vector<SettingDifference> compareSettings(const ConfigImage& before,
                                               const ConfigImage& after) {
    const TrackerConfig a = decoded(before);
    const TrackerConfig b = decoded(after);
    std::vector<SettingDifference> differences;
    forEachSharedField([&](const FieldInfo& field, auto member) {
        note(differences, std::nullopt, field, settingValue(a.*member), settingValue(b.*member));
    });
    for (int profile = 0; profile < kProfileCount; ++profile) {
        forEachProfileField([&](const FieldInfo& field, auto member) {
            note(differences, profile, field, settingValue((a.*member)[profile]),
                 settingValue((b.*member)[profile]));
        });
    }
    return differences;
}

std::size_t differingBytes(const ConfigImage& a, const ConfigImage& b) {
    return std::inner_product(a.begin(), a.end(), b.begin(), std::size_t{0}, std::plus<>(),
                              std::not_equal_to<>());
}

}  // namespace qz5
