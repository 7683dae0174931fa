// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/history_command.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "common/outside_text.h"
#include "config/history.h"
#include "config/settings_comparison.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/config_json.h"
#include "tools/qz5cfg/file_commands.h"
#include "tools/qz5cfg/json_output.h"

namespace qz5 {
namespace {

// What could be listed is printed first; the reason follows on stderr.
HistoryListing listing() {
    HistoryListing kept = readHistory();
    if (!kept.problem.empty()) {
        reportToolError("cannot read the history: " + kept.problem);
    }
    return kept;
}

ExitStatus finish(const HistoryListing& kept, std::ostream& out) {
    const ExitStatus printed = finishOutput(out);
    return kept.problem.empty() ? printed : ExitStatus::Failed;
}

// "2026-12-07 10:11:31.286" as ISO 8601, which JSON readers parse; a time
// that has not that shape (a hand-made name) stays as it is.
std::string isoTime(std::string time) {
    if (time.size() == 23 && time[10] == ' ') {
        time[10] = 'T';
        time += 'Z';
    }
    return time;
}

Json callsigns(const ConfigImage& image) {
    TrackerConfig settings;
    static_cast<void>(settings.decodeImage(image));  // a whole image always decodes
    Json list = Json::array();
    for (const auto& callsign : settings.callsign) {
        list.push_back(settingToJson(settingValue(callsign)));
    }
    return list;
}

// Names may hold any byte someone put there; JSON carries only UTF-8.
Json entryJson(const HistoryEntry& entry) {
    Json item;
    item["sequence"] = entry.sequence ? Json(*entry.sequence) : Json();
    item["time"] = printableText(isoTime(entry.time));
    item["kind"] = printableText(entry.direction);
    item["port"] = printableText(entry.port);
    item["version"] = printableText(entry.version);
    const KeptImage kept = readKeptImage(entry.file);
    item["callsigns"] = kept.image ? callsigns(*kept.image) : Json();
    item["file"] = printableText(entry.file.string());
    if (!kept.image) {
        item["problem"] = printableText(kept.problem);
    }
    return item;
}

}  // namespace

ExitStatus runHistory(std::ostream& out) {
    const HistoryListing kept = listing();
    for (const HistoryEntry& entry : kept.entries) {
        // Anyone may have put a file of that shape into the folder.
        out << printableText(entry.time) << "  " << printableText(entry.direction) << "  "
            << printableText(entry.port) << "  " << printableText(entry.version) << "  "
            << printableText(entry.file.string()) << '\n';
    }
    return finish(kept, out);
}

ExitStatus runHistoryJson(std::ostream& out) {
    const HistoryListing kept = listing();
    Json list = Json::array();
    for (const HistoryEntry& entry : kept.entries) {
        list.push_back(entryJson(entry));
    }
    printJson(out, list);
    return finish(kept, out);
}

ExitStatus runHistoryShow(const std::string& number, std::ostream& out) {
    // Decimal, whatever the leading zeros: 000042 is image 42, never octal.
    std::uint64_t sequence = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), sequence);
    if (number.empty() || error != std::errc() || end != number.data() + number.size()) {
        reportToolError("history show: N is the number that begins an image's name, not \"" +
                        printableText(number) + "\"");
        return ExitStatus::Usage;
    }
    const HistoryListing kept = listing();
    std::vector<const HistoryEntry*> found;
    for (const HistoryEntry& entry : kept.entries) {
        if (entry.sequence == sequence) {
            found.push_back(&entry);
        }
    }
    if (found.empty()) {
        if (kept.problem.empty()) {
            reportToolError("history show: no image numbered " + std::to_string(sequence) + " in " +
                            printableText(historyDir().string()));
        }
        return ExitStatus::Failed;
    }
    // Histories kept before numbers were chosen under a lock may hold pairs.
    if (found.size() > 1) {
        std::string files;
        for (const HistoryEntry* entry : found) {
            files += (files.empty() ? "" : " and ") + printableText(entry->file.string());
        }
        reportToolError("history show: more than one image is numbered " +
                        std::to_string(sequence) + ": " + files +
                        "; show the one meant by its file");
        return ExitStatus::Usage;
    }
    return runShow(found.front()->file.string(), {}, out);
}

void addHistoryCommand(CommandSet& commands) {
    struct Options {
        bool asJson = false;
        std::string sequence;      // read as decimal by the command
        CLI::App* show = nullptr;  // set once made, before any parsing
    };
    auto o = std::make_shared<Options>();
    auto& history = commands.add(
        "history", "List the images kept from every read and write, the one stored last first.",
        [o] {
            if (o->show->parsed()) {
                return runs([o] { return runHistoryShow(o->sequence, std::cout); });
            }
            return runs(
                [o] { return o->asJson ? runHistoryJson(std::cout) : runHistory(std::cout); });
        });
    history.add_flag("--json", o->asJson,
                     "print a JSON array: sequence, time, kind, port, version, callsigns, file");
    auto* show = history.add_subcommand(
        "show", "Print the record of the kept image numbered N (its name's first part) as JSON.");
    show->footer(history.get_footer());
    show->add_option("N", o->sequence, "the image's sequence number")->required();
    o->show = show;
}

}  // namespace qz5
