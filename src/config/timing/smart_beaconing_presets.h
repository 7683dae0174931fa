// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/text.h"
#include "config/tracker_config.h"

namespace qz5 {

// A starting point for a profile's SmartBeaconing by what carries the
// tracker. Speeds are in miles per hour, the unit the record's own defaults
// (5 and 65) are given in; the turn slope is in degrees x miles per hour.
struct SmartBeaconingPreset {
    const char* name;
    std::int32_t lowSpeed;
    std::int32_t highSpeed;
    std::int32_t slowRate;   // seconds
    std::int32_t fastRate;   // seconds
    std::int32_t turnAngle;  // degrees
    std::int32_t turnSlope;
};

inline constexpr const char* kPresetSpeedUnit = "mph";

// Fast rates stay at or above a minute, the shortest routine interval, and
// the turn time is left as the owner set it.
inline constexpr std::array kSmartBeaconingPresets{
    // Walking pace is 2 to 4 mph; GPS headings wander at that speed, hence the
    // wide turn angle. A beacon every few hundred metres on the move, as
    // practice for hikers and runners has it.
    SmartBeaconingPreset{"Walking", 1, 4, 1800, 180, 40, 20},
    // Published bicycling practice: 3 mph on a hard climb, 24 mph as fast as
    // a rider keeps up, every ten minutes at rest and every 180 s at 12 mph.
    SmartBeaconingPreset{"Cycling", 3, 24, 600, 90, 25, 60},
    // Published SmartBeaconing guidance for driving: 5 and 70 mph, 30 min
    // and 120 s, with the usual 28 degree turn angle and a slope of 255.
    SmartBeaconingPreset{"Car", 5, 70, 1800, 120, 28, 255},
    // Published SmartBeaconing guidance for the open highway: 60 mph and
    // 180 s; a long vehicle changes heading slowly, so turns count later.
    SmartBeaconingPreset{"Truck", 5, 60, 1800, 180, 30, 255},
    // APRS practice on the water: a few knots to about 13 knots cruising,
    // courses that change slowly, a beacon every half mile or so at speed.
    SmartBeaconingPreset{"Boat", 2, 15, 1800, 180, 20, 60},
    // Light aircraft: taxiing below 30 mph, cruising near 150 mph (130
    // knots); the fast rate is the shortest routine interval, some two miles.
    SmartBeaconingPreset{"Aircraft", 30, 150, 1800, 60, 20, 255},
};

// The preset of that name, letter case aside; none for another name.
const SmartBeaconingPreset* findSmartBeaconingPreset(std::string_view name);

// The names in table order, "Walking, Cycling, ...".
std::string smartBeaconingPresetNames();

// The preset's values in one line, units named: "Car: 5 to 70 mph, every
// 1800 s to 120 s, turns from 28 degrees, slope 255".
Text describePreset(const SmartBeaconingPreset& preset);

// Sets profile k's SmartBeaconing values and turns SmartBeaconing on as the
// window's box does: the time slot and the sent value give way to it.
void applySmartBeaconingPreset(const SmartBeaconingPreset& preset, TrackerConfig& config, int k);

}  // namespace qz5
