#include <CLI/CLI.hpp>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "common/message_box.h"
#include "common/program_info.h"
#include "link/exchange_log.h"
#include "link/serial_link.h"
#include "link/system_serial_port_api.h"
#include "link/traced_port_api.h"
#include "tools/qz5cfg/check_command.h"
#include "tools/qz5cfg/device_commands.h"
#include "tools/qz5cfg/diff_command.h"
#include "tools/qz5cfg/exit_status.h"
#include "tools/qz5cfg/file_commands.h"
#include "tools/qz5cfg/help_text.h"
#include "tools/qz5cfg/history_command.h"
#include "tools/qz5cfg/platform_commands.h"
#include "tools/qz5cfg/port_choice.h"
#include "tools/qz5cfg/terminal_progress.h"

namespace qz5 {
namespace {

constexpr const char* kCommandFooter =
    "Run 'qz5cfg --help' for ports, messages, exit statuses and the JSON form.";

// Open for the whole run, so every device command of it is traced.
std::unique_ptr<ExchangeLog> traceLog;

ExitStatus onDevice(const std::string& port, bool quiet,
                    const std::function<ExitStatus(SerialLink&)>& command) {
    auto choice = choosePort(port);
    if (!choice) {
        reportToolError("--port " + port +
                        ": expected COM1..COM20 or a device path starting with '/'");
        return ExitStatus::Usage;
    }
    std::optional<TracedPortApi> traced;
    if (traceLog) {
        traced.emplace(systemSerialPortApi(), *traceLog);
    }
    SerialLink link(traced ? static_cast<SerialPortApi&>(*traced) : systemSerialPortApi(),
                    choice->table);
    link.setPortName(choice->name);
    // Logs and pipes stay clean: the steps show only to a person watching.
    if (quiet || !stderrIsTerminal()) {
        return command(link);
    }
    StderrPresenter messages;
    TerminalProgress progress(std::cerr, std::cout, messages);
    ScopedMessagePresenter installed(progress);
    link.setProgressCallback([&progress](const LinkProgress& step) { progress.show(step); });
    return command(link);
}

// What the options fill in.
struct Options {
    std::string file;
    std::string jsonFile;
    std::string outFile;
    std::string port;
    std::string leftSide;
    std::string rightSide;
    std::string tracePath;
    bool asJson = false;
    bool emergencyOk = false;
    bool noBackup = false;
    bool quiet = false;
    bool dryRun = false;
    std::string sequence;               // history show N, read as decimal by the command
    std::vector<std::string> settings;  // --set FIELD=VALUE, in order
    CheckOptions check;
};

// One value per --set, so a file name after it stays the command's own.
void addSetOption(CLI::App& command, Options& o) {
    command
        .add_option("--set", o.settings,
                    "set a field by its JSON name, e.g. profiles[0].callsign=MYCALL-7 "
                    "(repeatable)")
        ->type_name("FIELD=VALUE")
        ->allow_extra_args(false);
}

// Reads a tracker:PORT side of diff or check, without showing the steps.
ExitStatus readTrackerQuietly(const std::string& port, ConfigImage& image) {
    return onDevice(port, true, [&](SerialLink& link) { return readTrackerImage(link, image); });
}

// What the command line asked for: each sub-command's callback sets it, so
// nothing runs but a command that was named.
struct Chosen {
    std::function<int()> run;
    // diff keeps diff(1)'s statuses, also when the trace cannot be written.
    int traceFailure = static_cast<int>(ExitStatus::Failed);
};

// `check` may refuse the command line by throwing a CLI::ValidationError.
CLI::App* addCommand(
    CLI::App& app, const char* name, const char* description, std::function<ExitStatus()> command,
    Chosen& chosen, std::function<void()> check = [] {}) {
    auto* sub = app.add_subcommand(name, description);
    sub->footer(kCommandFooter);
    sub->callback([&chosen, command = std::move(command), check = std::move(check)] {
        check();
        chosen.run = [command] { return static_cast<int>(command()); };
    });
    return sub;
}

void addFileCommands(CLI::App& app, Options& o, Chosen& chosen) {
    auto* show = addCommand(
        app, "show", "Print a configuration file (.zb3) as JSON.",
        [&o] { return runShow(o.file, o.settings, std::cout); }, chosen);
    show->add_option("FILE", o.file, "configuration file")->required();
    auto* build = addCommand(
        app, "build", "Apply a JSON record to the defaults and save it as a configuration file.",
        [&o] { return runBuild(o.jsonFile, o.settings, o.outFile); }, chosen);
    build->add_option("JSON_FILE", o.jsonFile, "JSON record")->required();
    build->add_option("OUT_FILE", o.outFile, "configuration file to write")->required();
    for (auto* command : {show, build}) {
        addSetOption(*command, o);
    }
}

// diff and history: comparing settings and listing what was kept.
void addKeepingCommands(CLI::App& app, Options& o, Chosen& chosen) {
    auto* diff = app.add_subcommand(
        "diff",
        "Compare the settings of two configuration files, JSON records or tracker:PORT. Exit "
        "status as diff(1): 0 equal, 1 different, 2 trouble.");
    diff->footer(kCommandFooter);
    diff->add_option("A", o.leftSide, "file, JSON record or tracker:PORT")->required();
    diff->add_option("B", o.rightSide, "file, JSON record or tracker:PORT")->required();
    diff->callback([&o, &chosen] {
        chosen.traceFailure = static_cast<int>(DiffStatus::Trouble);
        chosen.run = [&o] {
            // Only version, read and write show their steps.
            return static_cast<int>(
                runDiff(o.leftSide, o.rightSide, readTrackerQuietly, std::cout));
        };
    });
    auto* check = app.add_subcommand(
        "check",
        "Check a configuration file, JSON record or tracker:PORT against APRS practice and "
        "what the tracker keeps. Exit status: 0 nothing above a note, 1 a warning or an error, "
        "2 trouble.");
    check->footer(rulesHelp() + kCommandFooter);
    check->add_option("SOURCE", o.leftSide, "file, JSON record or tracker:PORT")->required();
    check->add_flag("--json", o.check.asJson, "print the findings as a JSON array");
    check
        ->add_option("--ignore", o.check.ignored,
                     "leave out the findings of this rule (repeatable)")
        ->type_name("RULE")
        ->allow_extra_args(false);
    check->callback([&o, &chosen] {
        chosen.traceFailure = static_cast<int>(CheckStatus::Trouble);
        chosen.run = [&o] {
            return static_cast<int>(runCheck(o.leftSide, o.check, readTrackerQuietly, std::cout));
        };
    });
    auto* history = app.add_subcommand(
        "history", "List the images kept from every read and write, the one stored last first.");
    history->footer(kCommandFooter);
    history->add_flag("--json", o.asJson,
                      "print a JSON array: sequence, time, kind, port, version, callsigns, file");
    auto* historyShow = history->add_subcommand(
        "show", "Print the record of the kept image numbered N (its name's first part) as JSON.");
    historyShow->footer(kCommandFooter);
    historyShow->add_option("N", o.sequence, "the image's sequence number")->required();
    history->callback([&o, &chosen, historyShow] {
        if (historyShow->parsed()) {
            chosen.run = [&o] { return static_cast<int>(runHistoryShow(o.sequence, std::cout)); };
            return;
        }
        chosen.run = [&o] {
            return static_cast<int>(o.asJson ? runHistoryJson(std::cout) : runHistory(std::cout));
        };
    });
}

void addDeviceCommands(CLI::App& app, Options& o, Chosen& chosen) {
    const auto onPort = [&o](std::function<ExitStatus(SerialLink&)> command) {
        return [&o, command = std::move(command)] { return onDevice(o.port, o.quiet, command); };
    };
    auto* version =
        addCommand(app, "version", "Print the tracker's version reply.",
                   onPort([](SerialLink& link) { return runVersion(link, std::cout); }), chosen);
    auto* read = addCommand(
        app, "read",
        "Read the tracker's configuration and save it to OUT (or print it with --json).",
        onPort([&o](SerialLink& link) {
            return runRead(link, o.asJson ? std::nullopt : std::optional(o.outFile), std::cout);
        }),
        chosen, [&o] {
            if (!o.asJson && o.outFile.empty()) {
                throw CLI::ValidationError("read: give OUT or --json");
            }
        });
    auto* write = app.add_subcommand(
        "write",
        "Write a configuration file, or a JSON record (IN ending in .json), into the tracker "
        "and verify it by reading it back.");
    write->footer(kCommandFooter);
    write->callback([&o, &chosen] {
        if (o.dryRun && o.noBackup) {
            throw CLI::ValidationError(
                "write: --dry-run compares with the backup read, which --no-backup leaves out");
        }
        if (o.dryRun) {
            chosen.traceFailure = static_cast<int>(DiffStatus::Trouble);
            chosen.run = [&o] {
                DiffStatus status = DiffStatus::Trouble;
                static_cast<void>(onDevice(o.port, o.quiet, [&](SerialLink& link) {
                    status = previewWrite(link, o.file, o.settings, std::cout, std::cerr);
                    return ExitStatus::Ok;
                }));
                return static_cast<int>(status);
            };
            return;
        }
        chosen.run = [&o] {
            return static_cast<int>(onDevice(o.port, o.quiet, [&o](SerialLink& link) {
                return runWrite(
                    link, o.file,
                    {.emergencyOk = o.emergencyOk, .backup = !o.noBackup, .settings = o.settings},
                    std::cerr);
            }));
        };
    });
    for (auto* command : {version, read, write}) {
        command->add_option("--port", o.port, "COM1..COM20 or a device path")->required();
    }
    auto* readOut = read->add_option("OUT", o.outFile, "configuration file to write");
    read->add_flag("--json", o.asJson, "print the record as JSON instead of saving it")
        ->excludes(readOut);
    write->add_option("IN", o.file, "configuration file or JSON record")->required();
    write->add_flag("--emergency-ok", o.emergencyOk,
                    "allow a profile whose Mic-E status is 7 (Emergency!)");
    write->add_flag("--no-backup", o.noBackup,
                    "do not read the tracker's current image into the history first");
    write->add_flag("--dry-run", o.dryRun,
                    "read the tracker's image into the history, print what the write would "
                    "change and the check's findings, and send nothing (exit status as diff)");
    addSetOption(*write, o);
    for (auto* command : {version, read, write}) {
        command->add_flag("--quiet,-q", o.quiet,
                          "no progress line on a terminal (there is none in a pipe)");
    }
}

int run(int argc, char** argv) {
    StderrPresenter presenter;
    ScopedMessagePresenter installed(presenter);

    CLI::App app{
        "qz5cfg: show and build tracker configuration files, and read, write or ask "
        "the version of a tracker on a serial port."};
    app.footer(helpFooter());
    app.set_version_flag("--version", std::string("qz5cfg ") + kProgramVersion,
                         "Print the version and exit");
    app.require_subcommand(1);
    Options options;
    app.add_option("--trace", options.tracePath,
                   "write every byte on the serial line, with times, to this file");
    // The option may follow the command, as users tend to add it last.
    app.fallthrough();
    Chosen chosen;
    addFileCommands(app, options, chosen);
    addDeviceCommands(app, options, chosen);
    addKeepingCommands(app, options, chosen);
    for (const PlatformCommand& platform : addPlatformCommands(app)) {
        platform.command->callback([&chosen, command = platform.run] {
            chosen.run = [command] { return static_cast<int>(command()); };
        });
    }
    try {
        const std::vector<std::string> arguments = commandLineArguments(argc, argv);
        std::vector<const char*> words;
        for (const std::string& argument : arguments) {
            words.push_back(argument.c_str());
        }
        app.parse(static_cast<int>(words.size()), words.data());
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : static_cast<int>(ExitStatus::Usage);
    }
    if (!options.tracePath.empty()) {
        std::string error;
        traceLog = ExchangeLog::toFile(options.tracePath, error);
        if (!traceLog) {
            reportToolError(error);
            return chosen.traceFailure;
        }
    }
    return chosen.run();
}

}  // namespace
}  // namespace qz5

int main(int argc, char** argv) {
    return qz5::run(argc, argv);
}
