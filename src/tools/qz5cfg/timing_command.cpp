// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/timing_command.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <ostream>
#include <vector>

#include "config/timing/timing_table.h"
#include "tools/qz5cfg/check_command.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/config_json.h"
#include "tools/qz5cfg/field_setting.h"
#include "tools/qz5cfg/json_output.h"
#include "tools/qz5cfg/reader_language.h"
#include "tools/qz5cfg/record_source.h"

namespace qz5 {
namespace {

Json perHourJson(std::int32_t interval) {
    const std::optional<double> rate = beaconsPerHour(interval);
    return rate ? Json(*rate) : Json();
}

Json timingToJson(const BeaconTiming& t) {
    Json profile = {{"profile", t.profile}, {"smartBeaconing", t.smartBeaconing}};
    if (!t.smartBeaconing) {
        profile["intervalSeconds"] = t.intervalSeconds;
        profile["slotSecond"] = t.slotSecond ? Json(*t.slotSecond) : Json();
        profile["beaconsPerHour"] = perHourJson(t.intervalSeconds);
        return profile;
    }
    profile["lowSpeed"] = t.lowSpeed;
    profile["highSpeed"] = t.highSpeed;
    profile["turnTimeSeconds"] = t.turnTimeSeconds;
    Json rows = Json::array();
    for (const SpeedRow& row : t.rows) {
        rows.push_back({{"speed", row.speed},
                        {"intervalSeconds", row.intervalSeconds},
                        {"beaconsPerHour", perHourJson(row.intervalSeconds)},
                        {"turnDegrees", row.turnDegrees ? Json(*row.turnDegrees) : Json()}});
    }
    profile["rows"] = std::move(rows);
    profile["findings"] = findingsToJson(t.findings);
    return profile;
}

template <typename Cells>
std::vector<std::string> shownCells(const Cells& cells) {
    std::vector<std::string> words;
    words.reserve(cells.size());
    for (const auto& cell : cells) {
        words.push_back(shown(Text(cell)));
    }
    return words;
}

// Columns as wide as their widest cell, two spaces apart.
void printTable(const TimingTable& table, std::ostream& out) {
    std::vector<std::vector<std::string>> lines = {shownCells(table.header)};
    for (const auto& row : table.rows) {
        lines.push_back(shownCells(row));
    }
    std::vector<std::size_t> widths(table.header.size());
    for (const std::vector<std::string>& line : lines) {
        for (std::size_t c = 0; c < line.size(); ++c) {
            widths[c] = std::max(widths[c], columnsOf(line[c]));
        }
    }
    const auto printRow = [&](const std::vector<std::string>& row) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c] + std::string(widths[c] - columnsOf(row[c]) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    };
    out << shown(Text(table.title)) << '\n';
    if (!table.rows.empty()) {
        for (const std::vector<std::string>& line : lines) {
            printRow(line);
        }
    }
    for (const std::string& note : shownCells(table.notes)) {
        out << note << '\n';
    }
}

}  // namespace

ExitStatus runTiming(const std::string& path, const std::vector<std::string>& presets,
                     std::optional<int> profile, bool asJson, std::ostream& out) {
    TrackerConfig config;
    ExitStatus status = path.empty() ? ExitStatus::Ok : loadRecord(path, config);
    if (status == ExitStatus::Ok) {
        status = applySettings({.presets = presets}, config, nullptr);
    }
    if (status != ExitStatus::Ok) {
        return status;
    }
    // The tracker beacons by what it keeps, which is what the rows must show.
    const TrackerConfig kept = keptByTracker(config);
    std::vector<int> profiles = {0, 1};
    if (profile) {
        profiles = {*profile};
    } else if (!presets.empty()) {
        // Only what the presets set: the other profile is what they were asked about.
        const auto sets = [&presets](char n) {
            return std::any_of(presets.begin(), presets.end(),
                               [n](const std::string& preset) { return preset.front() == n; });
        };
        profiles.clear();
        for (int k : {0, 1}) {
            if (sets(static_cast<char>('1' + k))) {
                profiles.push_back(k);
            }
        }
    }
    Json list = Json::array();
    for (int k : profiles) {
        const BeaconTiming timing = beaconTiming(kept, k);
        if (asJson) {
            list.push_back(timingToJson(timing));
            continue;
        }
        if (k != profiles.front()) {
            out << '\n';
        }
        printTable(timingTable(timing), out);
    }
    if (asJson) {
        printJson(out, list);
    }
    return finishOutput(out);
}

void addTimingCommand(CommandSet& commands) {
    struct Options {
        std::string file;
        std::vector<std::string> presets;
        std::optional<int> profile;
        bool asJson = false;
    };
    auto o = std::make_shared<Options>();
    auto& timing = commands.add(
        "timing",
        shown(say(
            "Cli",
            "Print when the tracker sends its beacons: the interval, or with SmartBeaconing the "
            "interval and turn threshold at a row of speeds, and the beacons per hour.")),
        [o] {
            if (o->file.empty() && o->presets.empty()) {
                throw CLI::ValidationError(shown(say("Cli", "timing: give FILE or --preset")));
            }
            return runs(
                [o] { return runTiming(o->file, o->presets, o->profile, o->asJson, std::cout); });
        });
    timing.add_option(
        "FILE", o->file,
        shown(say("Cli", "configuration file or JSON record; the defaults without it")));
    addPresetOption(timing, o->presets);
    timing
        .add_option("--profile", o->profile,
                    shown(say("Cli", "0 (Primary) or 1 (Secondary); both without it")))
        ->check(CLI::Range(0, 1));
    timing.add_flag("--json", o->asJson,
                    shown(say("Cli", "print the timing as a JSON array, one object a profile")));
}

}  // namespace qz5
