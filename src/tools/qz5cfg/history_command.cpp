// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/history_command.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "common/outside_text.h"
#include "config/history.h"
#include "config/settings_comparison.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/config_json.h"
#include "tools/qz5cfg/file_commands.h"
#include "tools/qz5cfg/json_output.h"
#include "tools/qz5cfg/reader_language.h"

namespace qz5 {
namespace {

// What could be listed is printed first; the reason follows on stderr.
HistoryListing listing() {
    HistoryListing kept = readHistory();
    if (!kept.problem.empty()) {
        reportToolError(say("History", "cannot read the history: %1").with(kept.problem));
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

// The kinds the history stores, in the reader's words; a hand-made name's
// own word stays as it is.
std::string directionWords(const std::string& direction) {
    static constexpr const char* kDirections[] = {
        QZ5_TEXT("History", "read"), QZ5_TEXT("History", "write"), QZ5_TEXT("History", "backup")};
    for (const char* known : kDirections) {
        if (direction == known) {
            return shown(say("History", known));
        }
    }
    return printableText(direction);
}

}  // namespace

ExitStatus runHistory(std::ostream& out) {
    const HistoryListing kept = listing();
    for (const HistoryEntry& entry : kept.entries) {
        // Anyone may have put a file of that shape into the folder.
        out << printableText(entry.time) << "  " << directionWords(entry.direction) << "  "
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
        reportToolError(
            say("History", "history show: N is the number that begins an image's name, not \"%1\"")
                .with(printableText(number)));
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
            reportToolError(
                say("History", "history show: no image numbered %1 in %2")
                    .with(std::to_string(sequence), printableText(historyDir().string())));
        }
        return ExitStatus::Failed;
    }
    // Histories kept before numbers were chosen under a lock may hold pairs.
    if (found.size() > 1) {
        // Each further file joins the list as "%1 and %2", which a language may word its way.
        Text files = printableText(found.front()->file.string());
        for (auto entry = found.begin() + 1; entry != found.end(); ++entry) {
            files = say("History", "%1 and %2", "a list of files")
                        .with(std::move(files), printableText((*entry)->file.string()));
        }
        reportToolError(say("History",
                            "history show: more than one image is numbered %1: %2; show the one "
                            "meant by its file")
                            .with(std::to_string(sequence), std::move(files)));
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
        "history",
        shown(say("Cli",
                  "List the images kept from every read and write, the one stored last first.")),
        [o] {
            if (o->show->parsed()) {
                return runs([o] { return runHistoryShow(o->sequence, std::cout); });
            }
            return runs(
                [o] { return o->asJson ? runHistoryJson(std::cout) : runHistory(std::cout); });
        });
    history.add_flag(
        "--json", o->asJson,
        shown(say("Cli",
                  "print a JSON array: sequence, time, kind, port, version, callsigns, file")));
    auto* show = history.add_subcommand(
        "show",
        shown(
            say("Cli",
                "Print the record of the kept image numbered N (its name's first part) as JSON.")));
    speakHelp(*show);
    show->footer(history.get_footer());
    show->add_option("N", o->sequence, shown(say("Cli", "the image's sequence number")))
        ->required();
    o->show = show;
}

}  // namespace qz5
