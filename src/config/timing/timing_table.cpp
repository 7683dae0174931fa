// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/timing/timing_table.h"

#include <cstdio>

namespace qz5 {
namespace {

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

Text turnCell(const std::optional<std::int32_t>& degrees) {
    return degrees ? say("Timing", "over %1 degrees").with(std::to_string(*degrees))
                   : say("Timing", "none", "no turn beacon");
}

void addFixedRate(const BeaconTiming& t, TimingWords& table) {
    table.rows.push_back({say("Timing", "any", "any speed"), seconds(t.intervalSeconds),
                          perHour(t.intervalSeconds), say("Timing", "none", "no turn beacon")});
    table.notes.push_back(
        t.slotSecond
            ? say("Timing",
                  "SmartBeaconing is off: a beacon every %1, in its time slot, %2 into each "
                  "interval of the clock.")
                  .with(seconds(t.intervalSeconds), seconds(*t.slotSecond))
            : say("Timing", "SmartBeaconing is off: a beacon every %1.")
                  .with(seconds(t.intervalSeconds)));
}

void addSmartBeaconing(const BeaconTiming& t, TimingWords& table) {
    for (const SpeedRow& row : t.rows) {
        table.rows.push_back({std::to_string(row.speed), seconds(row.intervalSeconds),
                              perHour(row.intervalSeconds), turnCell(row.turnDegrees)});
    }
    const SpeedRow& slowest = t.rows.front();
    const SpeedRow& fastest = t.rows.back();
    table.notes.push_back(
        say("Timing",
            "At or below the low speed (%1) the slow rate, %2, and no turn beacons; at or above "
            "the high speed (%3) the fast rate, %4; between them %4 x %3 / speed.")
            .with(std::to_string(t.lowSpeed), seconds(slowest.intervalSeconds),
                  std::to_string(t.highSpeed), seconds(fastest.intervalSeconds)));
    table.notes.push_back(
        say("Timing",
            "A turn beacon goes out when the heading changes by more than turn angle + turn "
            "slope / speed, no sooner than %1 after the last beacon.")
            .with(seconds(t.turnTimeSeconds)));
    table.notes.push_back(say("Timing",
                              "Seconds and degrees are rounded to whole numbers, halves up; "
                              "speeds are in the tracker's own unit."));
}

TimingWords timingWords(const BeaconTiming& t) {
    TimingWords table;
    table.title = t.profile == 0
                      ? (t.smartBeaconing ? say("Timing", "Primary profile: SmartBeaconing on")
                                          : say("Timing", "Primary profile: SmartBeaconing off"))
                      : (t.smartBeaconing ? say("Timing", "Secondary profile: SmartBeaconing on")
                                          : say("Timing", "Secondary profile: SmartBeaconing off"));
    table.header = {say("Timing", "Speed (tracker's unit)"), say("Timing", "Interval"),
                    say("Timing", "Beacons per hour"), say("Timing", "Turn beacon")};
    if (!t.smartBeaconing) {
        addFixedRate(t, table);
    } else if (!t.findings.empty()) {
        for (const Finding& finding : t.findings) {
            table.notes.push_back(
                say("Timing", "No timing until this is fixed: %1")
                    .with(finding.said.empty() ? Text(finding.message) : finding.said));
        }
    } else {
        addSmartBeaconing(t, table);
    }
    const std::optional<std::int32_t> shortest = t.shortestInterval();
    if (shortest && *shortest < kShortestRoutineInterval) {
        table.notes.push_back(
            say("Timing",
                "Beacons less than %1 apart are for special events; the channel is "
                "shared.")
                .with(seconds(kShortestRoutineInterval)));
    }
    if (t.smartBeaconing) {
        table.notes.push_back(
            say("Timing",
                "This models the published SmartBeaconing rules, not the tracker's firmware."));
    }
    table.notes.push_back(say("Timing", "The second rate is left out: its role is not known."));
    return table;
}

std::vector<std::string> english(const std::vector<Text>& words) {
    return {words.begin(), words.end()};
}

}  // namespace

TimingTable timingTable(const BeaconTiming& timing) {
    TimingTable table;
    table.said = timingWords(timing);
    table.title = table.said.title.english();
    table.header = english(table.said.header);
    for (const std::vector<Text>& row : table.said.rows) {
        table.rows.push_back(english(row));
    }
    table.notes = english(table.said.notes);
    return table;
}

}  // namespace qz5
