// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "config/check/finding.h"
#include "config/tracker_config.h"

namespace qz5 {

// Beacons closer together than this are for special events only; the check
// warns below it and the timing marks it.
inline constexpr std::int32_t kShortestRoutineInterval = 60;

// How often the tracker beacons at one speed, in the speed unit it keeps.
struct SpeedRow {
    std::int32_t speed = 0;
    std::int32_t intervalSeconds = 0;
    std::optional<std::int32_t> turnDegrees;  // none: turns send no beacon
};

// When a profile's beacons go out, by the published SmartBeaconing rules:
// at or below the low speed the slow rate and no turn beacons; at or above
// the high speed the fast rate; between, fast rate x high speed / speed. A
// turn beacon goes out when the heading changes by more than turn angle +
// turn slope / speed, no sooner than the turn time after the last beacon.
// Seconds and degrees are rounded to the nearest whole number, halves away
// from zero.
struct BeaconTiming {
    int profile = 0;
    bool smartBeaconing = false;
    // SmartBeaconing off: one interval, in its time slot when one is set.
    std::int32_t intervalSeconds = 0;
    std::optional<std::int32_t> slotSecond;
    // SmartBeaconing on: standing still to above the high speed.
    std::vector<SpeedRow> rows;
    std::int32_t lowSpeed = 0;
    std::int32_t highSpeed = 0;
    std::int32_t turnTimeSeconds = 0;
    // The check's findings on SmartBeaconing's speeds or rates; with any,
    // there are no rows.
    std::vector<Finding> findings;

    // None when findings stand in place of the rows.
    std::optional<std::int32_t> shortestInterval() const;
};

BeaconTiming beaconTiming(const TrackerConfig& config, int profile);

// None for an interval of no length.
std::optional<double> beaconsPerHour(std::int32_t intervalSeconds);

}  // namespace qz5
