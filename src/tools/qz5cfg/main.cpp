#include <CLI/CLI.hpp>
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
#include "link/stable_port_name.h"
#include "link/system_serial_port_api.h"
#include "link/traced_port_api.h"
#include "tools/qz5cfg/device_commands.h"
#include "tools/qz5cfg/diff_command.h"
#include "tools/qz5cfg/exit_status.h"
#include "tools/qz5cfg/file_commands.h"
#include "tools/qz5cfg/platform_commands.h"
#include "tools/qz5cfg/port_choice.h"
#include "tools/qz5cfg/terminal_progress.h"

namespace qz5 {
namespace {

constexpr const char* kCommandsHelp = R"(Commands in detail:
  show FILE              reads FILE as the window's Load does and prints the
                         record (defaults, then the file's image) as JSON
  build JSON_FILE OUT    applies the JSON record to the defaults and saves it
                         as the window's Save does (136 bytes: "ZB3A", 128,
                         the image); a truncated status text is reported and
                         the file is still written
  version --port P       prints the tracker's version reply
  read --port P OUT      reads the image twice, requires 128 equal bytes that
                         decode, and saves exactly the tracker's bytes to OUT
  read --port P --json   or prints the decoded record as JSON
  write --port P IN      IN is a configuration file, whose image is sent
                         exactly as it is, or a JSON record when its name ends
                         in .json, which is encoded; the image is written and
                         read back to verify it. A profile whose micEStatus is
                         7 (Emergency!), or any value whose low byte is 7, is
                         refused, with the window's question as the reason,
                         unless --emergency-ok is given. Before sending, the
                         tracker's current image is read into the history
                         (about two seconds); if that read fails nothing is
                         written. --no-backup skips it.
  diff A B               compares the settings of A and B, each a
                         configuration file, a JSON record (as it would be
                         written) or tracker:PORT (read from the tracker), and
                         prints every field that differs by its JSON name:
                         "profiles[1].statusText: "a" -> "b"". When only the
                         image bytes differ, it says so in one line.
  history                lists the images kept in the history, newest first:
                         time (UTC), direction, port, version, file
)";

constexpr const char* kFooter = R"(
History: every image read from or written to a tracker (by qz5cfg or the
window) is kept as a configuration file in $XDG_STATE_HOME/qz5-config/history
(by default ~/.local/state/qz5-config/history); the newest 1000 are kept. If
one cannot be stored, a warning goes to stderr and the command goes on.

Trace: --trace FILE (before or after the command) writes every open, close,
rate change and byte on the line, timed in seconds since the start with
millisecond resolution, "tx" sent to the tracker and "rx" received from it.

Messages go to stderr as "Caption: text" (the text alone when it has no
caption). The version reply and JSON records go to stdout. A successful read
or write says "Zelbin3 Read: Read Successful" or "Zelbin3 Write: Write
Successful" on stderr. When stderr is a terminal, version, read and write
also show their steps there ("Writing the configuration: 64 of 132 bytes")
on one line that is rewritten in place and wiped at the end; --quiet turns
that off.

Exit status:
  0  done
  1  the file or device operation failed (its message says which), a JSON
     file could not be read, or the trace file cannot be written
  2  usage error, invalid JSON record, or a write of an Emergency Mic-E
     status without --emergency-ok (nothing is sent to the tracker)
  diff follows diff(1) instead: 0 the settings are equal, 1 they differ,
  2 trouble (a side could not be read, or a usage error)

JSON form (show and read --json print it; build and write accept it):
  {
    "activeProfile": 0,            0 or 1
    "calibration": 128,
    "calibrationChanged": false,
    "profiles": [ {Primary}, {Secondary} ]
  }
  Each profile object holds every per-profile field under its own name, in
  this order: callsign, digiPath, statusText, delay1Ms, delay2Ms, micEStatus,
  micEPath, symbolCode, symbolTable, auxCount, transmitRate, altRateSeconds,
  slotSeconds, sbLowSpeed, sbHighSpeed, sbSlowRate, sbFastRate, sbTurnAngle,
  sbTurnSlope, sbTurnTime, delay3Ms, auxValue, frequencyMHz, forcePrintable,
  onlySendValid, slotEnable, slotDivides60, slotDivides600, smartBeaconing,
  sendAltitude, micEEnable, auxEnable, timestamp, allowTtlSerial,
  alternateDigiPaths, invertCdIn, timestampHms, noTxOnPttIn, sendNmea,
  sendSeparate, packet300Baud, noGreaterThan, serialOutHigh, skipStartPacket,
  gps9600.
  Integers are JSON integers (32-bit signed); flags are true or false.
  Texts are strings in which each character U+0000..U+00FF stands for one
  byte: callsign up to 19 characters, digiPath up to 99, statusText up to 199.
  symbolCode and symbolTable are one-character strings ("" for a zero byte).
  frequencyMHz is a number in MHz (at most 10000000 either side of 0),
  printed as the shortest decimal that gives back the same 32-bit float
  (144.39).
  For build and write every field is optional: absent fields keep the
  defaults, and "profiles" may hold fewer than two objects, each partial. An
  unknown field, a wrong type, an integer outside the 32-bit range, a text
  too long for its field or a symbol of more than one character is an error
  that names the field.
)";

constexpr const char* kCommandFooter =
    "Run 'qz5cfg --help' for ports, messages, exit statuses and the JSON form.";

// Open for the whole run, so every device command of it is traced.
std::unique_ptr<ExchangeLog> traceLog;

ExitStatus onDevice(const std::string& port, bool quiet, auto&& command) {
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
    const auto device = choice->table.devicePath(choice->name);
    TrackerPort tracker{link, device ? stablePortName(*device) : port};
    // Logs and pipes stay clean: the steps show only to a person watching.
    if (quiet || !stderrIsTerminal()) {
        return command(tracker);
    }
    StderrPresenter messages;
    TerminalProgress progress(std::cerr, std::cout, messages);
    ScopedMessagePresenter installed(progress);
    link.setProgressCallback([&progress](const LinkProgress& step) { progress.show(step); });
    return command(tracker);
}

int run(int argc, char** argv) {
    StderrPresenter presenter;
    ScopedMessagePresenter installed(presenter);

    CLI::App app{
        "qz5cfg: show and build tracker configuration files, and read, write or ask "
        "the version of a tracker on a serial port."};
    app.footer(std::string(kCommandsHelp) + portsHelp() + kFooter);
    app.set_version_flag("--version", std::string("qz5cfg ") + kProgramVersion,
                         "Print the version and exit");
    app.require_subcommand(1);
    const auto addCommand = [&](const char* name, const char* description) {
        auto* command = app.add_subcommand(name, description);
        command->footer(kCommandFooter);
        return command;
    };

    std::string file;
    std::string jsonFile;
    std::string outFile;
    std::string port;
    bool asJson = false;
    bool emergencyOk = false;
    bool noBackup = false;
    std::string tracePath;
    std::string leftSide;
    std::string rightSide;
    bool quiet = false;

    app.add_option("--trace", tracePath,
                   "write every byte on the serial line, with times, to this file");
    // The option may follow the command, as users tend to add it last.
    app.fallthrough();

    auto* showCommand = addCommand("show", "Print a configuration file (.zb3) as JSON.");
    showCommand->add_option("FILE", file, "configuration file")->required();

    auto* buildCommand = addCommand(
        "build", "Apply a JSON record to the defaults and save it as a configuration file.");
    buildCommand->add_option("JSON_FILE", jsonFile, "JSON record")->required();
    buildCommand->add_option("OUT_FILE", outFile, "configuration file to write")->required();

    auto* versionCommand = addCommand("version", "Print the tracker's version reply.");
    versionCommand->add_option("--port", port, "COM1..COM20 or a device path")->required();

    auto* readCommand = addCommand(
        "read", "Read the tracker's configuration and save it to OUT (or print it with --json).");
    readCommand->add_option("--port", port, "COM1..COM20 or a device path")->required();
    auto* readOut = readCommand->add_option("OUT", outFile, "configuration file to write");
    readCommand->add_flag("--json", asJson, "print the record as JSON instead of saving it")
        ->excludes(readOut);

    auto* writeCommand = addCommand(
        "write",
        "Write a configuration file, or a JSON record (IN ending in .json), into the tracker "
        "and verify it by reading it back.");
    writeCommand->add_option("--port", port, "COM1..COM20 or a device path")->required();
    writeCommand->add_option("IN", file, "configuration file or JSON record")->required();
    writeCommand->add_flag("--emergency-ok", emergencyOk,
                           "allow a profile whose Mic-E status is 7 (Emergency!)");
    writeCommand->add_flag("--no-backup", noBackup,
                           "do not read the tracker's current image into the history first");

    auto* diffCommand = addCommand(
        "diff",
        "Compare the settings of two configuration files, JSON records or tracker:PORT. Exit "
        "status as diff(1): 0 equal, 1 different, 2 trouble.");
    diffCommand->add_option("A", leftSide, "file, JSON record or tracker:PORT")->required();
    diffCommand->add_option("B", rightSide, "file, JSON record or tracker:PORT")->required();

    auto* historyCommand =
        addCommand("history", "List the images kept from every read and write, newest first.");

    const std::vector<PlatformCommand> platformCommands = addPlatformCommands(app);

    for (auto* command : {versionCommand, readCommand, writeCommand}) {
        command->add_flag("--quiet,-q", quiet,
                          "no progress line on a terminal (there is none in a pipe)");
    }

    try {
        const std::vector<std::string> arguments = commandLineArguments(argc, argv);
        std::vector<const char*> words;
        for (const std::string& argument : arguments) {
            words.push_back(argument.c_str());
        }
        app.parse(static_cast<int>(words.size()), words.data());
        if (readCommand->parsed() && !asJson && outFile.empty()) {
            throw CLI::ValidationError("read: give OUT or --json");
        }
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : static_cast<int>(ExitStatus::Usage);
    }

    if (!tracePath.empty()) {
        std::string error;
        traceLog = ExchangeLog::toFile(tracePath, error);
        if (!traceLog) {
            reportToolError(error);
            return diffCommand->parsed() ? static_cast<int>(DiffStatus::Trouble)
                                         : static_cast<int>(ExitStatus::Failed);
        }
    }

    for (const PlatformCommand& platformCommand : platformCommands) {
        if (platformCommand.command->parsed()) {
            return static_cast<int>(platformCommand.run());
        }
    }
    ExitStatus status = ExitStatus::Ok;
    if (diffCommand->parsed()) {
        // Only version, read and write show their steps.
        const auto readTracker = [](const std::string& side, ConfigImage& image) {
            constexpr bool kQuiet = true;
            return onDevice(side, kQuiet,
                            [&](TrackerPort& tracker) { return readTrackerImage(tracker, image); });
        };
        return static_cast<int>(runDiff(leftSide, rightSide, readTracker, std::cout));
    }
    if (historyCommand->parsed()) {
        status = runHistory(std::cout);
    } else if (showCommand->parsed()) {
        status = runShow(file, std::cout);
    } else if (buildCommand->parsed()) {
        status = runBuild(jsonFile, outFile);
    } else if (versionCommand->parsed()) {
        status = onDevice(
            port, quiet, [&](TrackerPort& tracker) { return runVersion(tracker.link, std::cout); });
    } else if (readCommand->parsed()) {
        const auto out = asJson ? std::nullopt : std::optional<std::string>(outFile);
        status = onDevice(port, quiet,
                          [&](TrackerPort& tracker) { return runRead(tracker, out, std::cout); });
    } else {
        const WriteOptions options{.emergencyOk = emergencyOk, .backup = !noBackup};
        status = onDevice(port, quiet,
                          [&](TrackerPort& tracker) { return runWrite(tracker, file, options); });
    }
    return static_cast<int>(status);
}

}  // namespace
}  // namespace qz5

int main(int argc, char** argv) {
    return qz5::run(argc, argv);
}
