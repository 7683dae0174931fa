// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/timing/beacon_timing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "config/check/config_check.h"

namespace qz5 {
namespace {

// Halves away from zero, for negative values as for positive ones; a value
// no int32 holds stops at its end instead of being undefined.
std::int32_t rounded(double value) {
    constexpr double kMost = std::numeric_limits<std::int32_t>::max();
    constexpr double kLeast = std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(std::clamp(std::round(value), kLeast, kMost));
}

// Standing still, the low speed, three steps between, the high speed and a
// step above it; wide enough not to overflow with any value a record holds.
std::vector<std::int32_t> speedsOf(std::int64_t low, std::int64_t high) {
    const std::int64_t step = std::max<std::int64_t>(1, (high - low) / 4);
    std::vector<std::int32_t> speeds;
    for (std::int64_t speed :
         {std::int64_t{0}, low, low + step, low + 2 * step, low + 3 * step, high, high + step}) {
        if (speed >= 0 && speed <= std::numeric_limits<std::int32_t>::max()) {
            speeds.push_back(static_cast<std::int32_t>(speed));
        }
    }
    std::sort(speeds.begin(), speeds.end());
    speeds.erase(std::unique(speeds.begin(), speeds.end()), speeds.end());
    return speeds;
}

SpeedRow rowAt(const TrackerConfig& c, int k, std::int32_t speed) {
    SpeedRow row{.speed = speed, .intervalSeconds = 0, .turnDegrees = {}};
    if (speed <= c.sbLowSpeed[k] || speed <= 0) {
        row.intervalSeconds = c.sbSlowRate[k];
        return row;
    }
    row.intervalSeconds =
        speed >= c.sbHighSpeed[k]
            ? c.sbFastRate[k]
            : rounded(static_cast<double>(c.sbFastRate[k]) * c.sbHighSpeed[k] / speed);
    row.turnDegrees = rounded(c.sbTurnAngle[k] + static_cast<double>(c.sbTurnSlope[k]) / speed);
    return row;
}

}  // namespace

std::optional<std::int32_t> BeaconTiming::shortestInterval() const {
    if (!smartBeaconing) {
        return intervalSeconds;
    }
    if (rows.empty()) {
        return std::nullopt;
    }
    return std::min_element(rows.begin(), rows.end(),
                            [](const SpeedRow& a, const SpeedRow& b) {
                                return a.intervalSeconds < b.intervalSeconds;
                            })
        ->intervalSeconds;
}

BeaconTiming beaconTiming(const TrackerConfig& c, int k) {
    BeaconTiming timing;
    timing.profile = k;
    timing.smartBeaconing = c.smartBeaconing[k];
    if (!timing.smartBeaconing) {
        timing.intervalSeconds = c.transmitRate[k];
        if (c.slotEnable[k]) {
            timing.slotSecond = c.slotSeconds[k];
        }
        return timing;
    }
    timing.lowSpeed = c.sbLowSpeed[k];
    timing.highSpeed = c.sbHighSpeed[k];
    timing.turnTimeSeconds = c.sbTurnTime[k];
    for (Finding& finding : checkConfig(c, nullptr, nullptr)) {
        const bool smartBeaconingRule =
            finding.rule == Rule::SmartBeaconingRates || finding.rule == Rule::SmartBeaconingSpeeds;
        if (smartBeaconingRule && finding.profile == k) {
            timing.findings.push_back(std::move(finding));
        }
    }
    if (timing.findings.empty()) {
        for (std::int32_t speed : speedsOf(timing.lowSpeed, timing.highSpeed)) {
            timing.rows.push_back(rowAt(c, k, speed));
        }
    }
    return timing;
}

std::optional<double> beaconsPerHour(std::int32_t intervalSeconds) {
    if (intervalSeconds <= 0) {
        return std::nullopt;
    }
    return 3600.0 / intervalSeconds;
}

}  // namespace qz5
