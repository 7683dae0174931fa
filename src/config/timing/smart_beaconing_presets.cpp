// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/timing/smart_beaconing_presets.h"

#include <algorithm>
#include <cctype>

namespace qz5 {

namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

const SmartBeaconingPreset* findSmartBeaconingPreset(std::string_view name) {
    const auto* found = std::find_if(
        kSmartBeaconingPresets.begin(), kSmartBeaconingPresets.end(),
        [name](const SmartBeaconingPreset& preset) { return sameLetters(preset.name, name); });
    return found == kSmartBeaconingPresets.end() ? nullptr : found;
}

std::string smartBeaconingPresetNames() {
    std::string names;
    for (const SmartBeaconingPreset& preset : kSmartBeaconingPresets) {
        names += (names.empty() ? "" : ", ") + std::string(preset.name);
    }
    return names;
}

Text describePreset(const SmartBeaconingPreset& p) {
    return say("Timing", "%1: %2 to %3 %4, every %5 s to %6 s, turns from %7 degrees, slope %8",
               "a SmartBeaconing preset: name, speeds, rates, turn angle and slope")
        .with(std::string(p.name), std::to_string(p.lowSpeed), std::to_string(p.highSpeed),
              std::string(kPresetSpeedUnit), std::to_string(p.slowRate), std::to_string(p.fastRate),
              std::to_string(p.turnAngle), std::to_string(p.turnSlope));
}

void applySmartBeaconingPreset(const SmartBeaconingPreset& p, TrackerConfig& c, int k) {
    c.sbLowSpeed[k] = p.lowSpeed;
    c.sbHighSpeed[k] = p.highSpeed;
    c.sbSlowRate[k] = p.slowRate;
    c.sbFastRate[k] = p.fastRate;
    c.sbTurnAngle[k] = p.turnAngle;
    c.sbTurnSlope[k] = p.turnSlope;
    c.smartBeaconing[k] = true;
    c.slotEnable[k] = false;
    c.auxEnable[k] = false;
}

}  // namespace qz5
