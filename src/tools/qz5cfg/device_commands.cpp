// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/device_commands.h"

#include <iostream>
#include <memory>
#include <ostream>
#include <string_view>

#include "common/outside_text.h"
#include "config/check/config_check.h"
#include "config/config_file.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/check_command.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/device_session.h"
#include "tools/qz5cfg/field_setting.h"
#include "tools/qz5cfg/reader_language.h"
#include "tools/qz5cfg/record_source.h"
#include "workflow/kept_backup.h"
#include "workflow/tracker_front_end.h"
#include "workflow/tracker_workflow.h"

namespace qz5 {

namespace {

// The command line's side: the steps run right here (a progress line, where
// one shows, follows the link's own callback), and the Emergency question is
// asked, which unattended means Cancel.
class CommandLine final : public TrackerFrontEnd {
  public:
    // --emergency-ok: the question is answered before it is asked.
    void allowEmergency() { emergencyOk_ = true; }

    void talk(std::string_view /*title*/, const std::function<void()>& steps) override { steps(); }

    MessageAnswer askEmergency(const Text& question, const Text& caption) override {
        return emergencyOk_ ? MessageAnswer::Ok
                            : showMessage(question, caption, MessageButtons::OkCancel);
    }

  private:
    bool emergencyOk_ = false;
};

// The record and image a write would send: the input with its changes.
ExitStatus loadWritten(const std::string& inPath, const RecordChanges& changes,
                       TrackerConfig& record, ConfigImage& image) {
    const ExitStatus status = loadImage(inPath, record, image);
    return status == ExitStatus::Ok ? applySettings(changes, record, &image) : status;
}

}  // namespace

ExitStatus runVersion(SerialLink& link, std::ostream& out) {
    CommandLine commandLine;
    const Outcome<std::string> reply = TrackerWorkflow(link, commandLine).readVersion();
    if (showOutcome(reply) != ExitStatus::Ok) {
        return ExitStatus::Failed;
    }
    // The tracker ends its reply with a line break of its own; print one line.
    std::string_view text(*reply);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) {
        text.remove_suffix(1);
    }
    out << printableText(text) << '\n';
    return finishOutput(out);
}

ExitStatus readTrackerImage(SerialLink& link, ConfigImage& image) {
    CommandLine commandLine;
    TrackerConfig record;
    const Outcome<ConfigImage> read = TrackerWorkflow(link, commandLine).readImage(record, "read");
    if (read) {
        image = *read;
    }
    return showOutcome(read);
}

ExitStatus runRead(SerialLink& link, const std::optional<std::string>& outPath, std::ostream& out) {
    CommandLine commandLine;
    TrackerConfig record;
    const Outcome<ConfigImage> image = TrackerWorkflow(link, commandLine).readConfiguration(record);
    if (showOutcome(image) != ExitStatus::Ok) {
        return ExitStatus::Failed;
    }
    if (outPath) {
        // The tracker's own bytes: decoding and encoding again would move a delay.
        return showOutcome(writeConfigImage(*outPath, *image));
    }
    return printRecord(record, out);
}

ExitStatus runWrite(SerialLink& link, const std::string& inPath, const WriteOptions& options,
                    std::ostream& out, std::ostream& findings) {
    TrackerConfig record;
    ConfigImage image{};
    if (const ExitStatus status = loadWritten(inPath, options.changes, record, image);
        status != ExitStatus::Ok) {
        return status;
    }
    if (stopsStrictly(record, options.strict,
                      say("Cli", "nothing written: --strict and the check found an error"),
                      findings)) {
        return ExitStatus::Failed;
    }
    CommandLine commandLine;
    if (options.emergencyOk) {
        commandLine.allowEmergency();
    }
    TrackerWorkflow tracker(link, commandLine);
    AdviceContext advice = kCommandLineAdvice;
    std::optional<ConfigImage> before;
    const auto backupFirst = [&]() -> std::optional<ConfigImage> {
        if (!options.backup) {
            return image;
        }
        const BackupRead backup = readBackup(tracker);
        if (showOutcome(backup.read) != ExitStatus::Ok) {
            reportToolError(
                say("Cli",
                    "nothing written: the tracker's current configuration could not be read into "
                    "the history first; give --no-backup to write without that copy"));
            return std::nullopt;
        }
        // A write must never replace settings that are kept nowhere.
        if (!backup.kept()) {
            reportToolError(say("Cli",
                                "nothing written: the tracker's current configuration could not "
                                "be kept in the history (%1); give --no-backup to write without "
                                "that copy")
                                .with(backup.notKept));
            return std::nullopt;
        }
        advice.backup = backup.number;
        before = *backup.read;
        return image;
    };
    const Outcome<WriteResult> written = tracker.writeConfiguration(record, backupFirst);
    if (showOutcome(written, advice) != ExitStatus::Ok) {
        return ExitStatus::Failed;
    }
    switch (written->ended) {
        case WriteOutcome::Written:
            if (before && compareImages(*before, image, out) == DiffStatus::Trouble) {
                return ExitStatus::Failed;
            }
            return ExitStatus::Ok;
        case WriteOutcome::Declined:
            reportToolError(
                say("Cli", "nothing written; give --emergency-ok to write an Emergency status"));
            return ExitStatus::Usage;
        case WriteOutcome::Stopped:
            break;
    }
    return ExitStatus::Failed;
}

DiffStatus previewWrite(SerialLink& link, const std::string& inPath, const RecordChanges& changes,
                        std::ostream& out, std::ostream& findings) {
    TrackerConfig record;
    ConfigImage image{};
    if (loadWritten(inPath, changes, record, image) != ExitStatus::Ok) {
        return DiffStatus::Trouble;
    }
    CommandLine commandLine;
    TrackerConfig current;
    TrackerWorkflow tracker(link, commandLine);
    const Outcome<ConfigImage> backup = tracker.readImage(current, "backup");
    if (showOutcome(backup) != ExitStatus::Ok) {
        return DiffStatus::Trouble;
    }
    const DiffStatus compared = compareImages(*backup, image, out);
    printFindings(checkConfig(record, prefixListForCheck(), &systemSymbols()), findings);
    findings << std::flush;
    if (compared == DiffStatus::Trouble) {
        return compared;
    }
    // The write itself would be refused for it.
    if (!tracker.notKept().empty()) {
        reportToolError(say("Cli",
                            "the tracker's current configuration could not be kept in the "
                            "history (%1); a write would be refused")
                            .with(tracker.notKept()));
        return DiffStatus::Trouble;
    }
    // Bytes the tracker would get anew count, even when they decode the same.
    return *backup == image ? DiffStatus::Same : DiffStatus::Different;
}

namespace {

// Every command that talks to a tracker names its port and may stay quiet.
struct PortOptions {
    std::string port;
    bool quiet = false;
};

void addPortOptions(CLI::App& command, PortOptions& o) {
    command
        .add_option(
            "--port", o.port,
            shown(say("Cli",
                      "COM1..COM255, a device path, or auto to look for the tracker on every free "
                      "port")))
        ->required();
}

void addQuietFlag(CLI::App& command, PortOptions& o) {
    command.add_flag("--quiet,-q", o.quiet,
                     shown(say("Cli", "no progress line on a terminal (there is none in a pipe)")));
}

}  // namespace

void addVersionCommand(CommandSet& commands) {
    auto o = std::make_shared<PortOptions>();
    auto& version =
        commands.add("version", shown(say("Cli", "Print the tracker's version reply.")),
                     [o, &devices = commands.devices()] {
                         return runs([o, &devices] {
                             return devices.onDevice(o->port, o->quiet, [](SerialLink& link) {
                                 return runVersion(link, std::cout);
                             });
                         });
                     });
    addPortOptions(version, *o);
    addQuietFlag(version, *o);
}

void addReadCommand(CommandSet& commands) {
    struct Options : PortOptions {
        std::string outFile;
        bool asJson = false;
    };
    auto o = std::make_shared<Options>();
    auto& read = commands.add(
        "read",
        shown(
            say("Cli",
                "Read the tracker's configuration and save it to OUT (or print it with --json).")),
        [o, &devices = commands.devices()] {
            if (!o->asJson && o->outFile.empty()) {
                throw CLI::ValidationError(shown(say("Cli", "read: give OUT or --json")));
            }
            return runs([o, &devices] {
                return devices.onDevice(o->port, o->quiet, [o](SerialLink& link) {
                    return runRead(link, o->asJson ? std::nullopt : std::optional(o->outFile),
                                   std::cout);
                });
            });
        });
    addPortOptions(read, *o);
    auto* out =
        read.add_option("OUT", o->outFile, shown(say("Cli", "configuration file to write")));
    read.add_flag("--json", o->asJson,
                  shown(say("Cli", "print the record as JSON instead of saving it")))
        ->excludes(out);
    addQuietFlag(read, *o);
}

void addWriteCommand(CommandSet& commands) {
    struct Options : PortOptions {
        std::string file;
        bool emergencyOk = false;
        bool noBackup = false;
        bool dryRun = false;
        bool strict = false;
        RecordChanges changes;
    };
    auto o = std::make_shared<Options>();
    auto& write = commands.add(
        "write",
        shown(say(
            "Cli",
            "Write a configuration file, or a JSON record (IN ending in .json), into the tracker "
            "and verify it by reading it back.")),
        [o, &devices = commands.devices()]() -> CommandRun {
            if (o->dryRun && o->noBackup) {
                throw CLI::ValidationError(shown(
                    say("Cli",
                        "write: --dry-run compares with the backup read, which --no-backup leaves "
                        "out")));
            }
            if (o->dryRun && o->strict) {
                throw CLI::ValidationError(shown(say(
                    "Cli",
                    "write: --dry-run sends nothing and prints every finding; --strict is for the "
                    "write itself")));
            }
            if (!o->dryRun) {
                return runs([o, &devices] {
                    return devices.onDevice(o->port, o->quiet, [o](SerialLink& link) {
                        return runWrite(link, o->file,
                                        {.emergencyOk = o->emergencyOk,
                                         .backup = !o->noBackup,
                                         .strict = o->strict,
                                         .changes = o->changes},
                                        std::cout, std::cerr);
                    });
                });
            }
            return {[o, &devices] {
                DiffStatus status = DiffStatus::Trouble;
                const ExitStatus talked =
                    devices.onDevice(o->port, o->quiet, [&](SerialLink& link) {
                        status = previewWrite(link, o->file, o->changes, std::cout, std::cerr);
                        return ExitStatus::Ok;
                    });
                return static_cast<int>(talked == ExitStatus::Ok ? status : DiffStatus::Trouble);
            }};
        });
    addPortOptions(write, *o);
    write.add_option("IN", o->file, shown(say("Cli", "configuration file or JSON record")))
        ->required();
    write.add_flag("--emergency-ok", o->emergencyOk,
                   shown(say("Cli", "allow a profile whose Mic-E status is 7 (Emergency!)")));
    write.add_flag(
        "--no-backup", o->noBackup,
        shown(say("Cli", "do not read the tracker's current image into the history first")));
    write.add_flag(
        "--dry-run", o->dryRun,
        shown(say("Cli",
                  "read the tracker's image into the history, print what the write would "
                  "change and the check's findings, and send nothing (exit status as diff)")));
    addPresetOption(write, o->changes.presets);
    addSetOption(write, o->changes.settings);
    addStrictOption(
        write, o->strict,
        say("Cli", "check the record first and send nothing when a finding is an error"));
    addQuietFlag(write, *o);
}

}  // namespace qz5
