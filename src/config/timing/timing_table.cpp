// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/timing/timing_table.h"

#include <cstdio>

namespace qz5 {
namespace {

constexpr const char* kModel =
    "This models the published SmartBeaconing rules, not the tracker's firmware.";
constexpr const char* kSecondRate = "The second rate is left out: its role is not known.";

std::string seconds(std::int32_t value) {
    return std::to_string(value) + " s";
}

std::string perHour(std::int32_t interval) {
    const std::optional<double> rate = beaconsPerHour(interval);
    if (!rate) {
        return "-";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", *rate);
    return text;
}

std::string turnCell(const std::optional<std::int32_t>& degrees) {
    return degrees ? "over " + std::to_string(*degrees) + " degrees" : "none";
}

void addFixedRate(const BeaconTiming& t, TimingTable& table) {
    table.rows.push_back({"any", seconds(t.intervalSeconds), perHour(t.intervalSeconds), "none"});
    std::string when = "SmartBeaconing is off: a beacon every " + seconds(t.intervalSeconds);
    if (t.slotSecond) {
        when += ", in its time slot, " + seconds(*t.slotSecond) +
                " into each interval of the "
                "clock";
    }
    table.notes.push_back(when + ".");
}

void addSmartBeaconing(const BeaconTiming& t, TimingTable& table) {
    for (const SpeedRow& row : t.rows) {
        table.rows.push_back({std::to_string(row.speed), seconds(row.intervalSeconds),
                              perHour(row.intervalSeconds), turnCell(row.turnDegrees)});
    }
    const SpeedRow& slowest = t.rows.front();
    const SpeedRow& fastest = t.rows.back();
    table.notes.push_back(
        "At or below the low speed (" + std::to_string(t.lowSpeed) + ") the slow rate, " +
        seconds(slowest.intervalSeconds) + ", and no turn beacons; at or above the high speed (" +
        std::to_string(t.highSpeed) + ") the fast rate, " + seconds(fastest.intervalSeconds) +
        "; between them " + seconds(fastest.intervalSeconds) + " x " + std::to_string(t.highSpeed) +
        " / speed.");
    table.notes.push_back(
        "A turn beacon goes out when the heading changes by more than turn angle + turn slope / "
        "speed, no sooner than " +
        seconds(t.turnTimeSeconds) + " after the last beacon.");
    table.notes.push_back(
        "Seconds and degrees are rounded to whole numbers, halves up; speeds are in the "
        "tracker's own unit.");
}

}  // namespace

TimingTable timingTable(const BeaconTiming& t) {
    TimingTable table;
    table.title = std::string(t.profile == 0 ? "Primary" : "Secondary") +
                  " profile: SmartBeaconing " + (t.smartBeaconing ? "on" : "off");
    table.header = {"Speed (tracker's unit)", "Interval", "Beacons per hour", "Turn beacon"};
    if (!t.smartBeaconing) {
        addFixedRate(t, table);
    } else if (!t.findings.empty()) {
        for (const Finding& finding : t.findings) {
            table.notes.push_back("No timing until this is fixed: " + finding.message);
        }
    } else {
        addSmartBeaconing(t, table);
    }
    const std::optional<std::int32_t> shortest = t.shortestInterval();
    if (shortest && *shortest < kShortestRoutineInterval) {
        table.notes.push_back("Beacons less than " + seconds(kShortestRoutineInterval) +
                              " apart are for special events; the channel is shared.");
    }
    if (t.smartBeaconing) {
        table.notes.push_back(kModel);
    }
    table.notes.push_back(kSecondRate);
    return table;
}

}  // namespace qz5
