#include <unistd.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <optional>
#include <string>

#include "common/message_box.h"
#include "link/posix_serial_port_api.h"
#include "link/serial_link.h"
#include "tools/qz5cfg/device_commands.h"
#include "tools/qz5cfg/exit_status.h"
#include "tools/qz5cfg/file_commands.h"
#include "tools/qz5cfg/port_choice.h"
#include "tools/qz5cfg/terminal_progress.h"

namespace qz5 {
namespace {

constexpr const char* kFooter = R"(Commands in detail:
  show FILE              reads FILE as the window's Load does and prints the
                         record (defaults, then the file's image) as JSON
  build JSON_FILE OUT    applies the JSON record to the defaults and saves it
                         as the window's Save does (136 bytes: "ZB3A", 128,
                         the image); a truncated status text is reported and
                         the file is still written
  version --port P       prints the tracker's version reply
  read --port P OUT      reads the image twice, requires 128 equal bytes,
  read --port P --json   decodes it and saves it to OUT or prints it as JSON
  write --port P IN      IN is a configuration file, or a JSON record when its
                         name ends in .json; the image is written and read
                         back to verify it. A profile whose micEStatus is 7
                         (Emergency!), or any value whose low byte is 7, is
                         refused, with the window's question as the reason,
                         unless --emergency-ok is given.

Ports (--port P):
  COM1..COM20 name the serial devices found in /dev, in the order ttyUSB*,
  ttyACM*, ttyS*, ttyAMA*, rfcomm*; a path starting with '/' (for example
  /dev/ttyUSB0 or /dev/pts/4) is used as it is. The tracker is looked for at
  4800 bit/s, then at 9600.

Messages go to stderr as "Caption: text" (the text alone when it has no
caption). The version reply and JSON records go to stdout. A successful read
or write says "Zelbin3 Read: Read Successful" or "Zelbin3 Write: Write
Successful" on stderr. When stderr is a terminal, version, read and write
also show their steps there ("Writing the configuration: 64 of 132 bytes")
on one line that is rewritten in place and wiped at the end; --quiet turns
that off.

Exit status:
  0  done
  1  the file or device operation failed (its message says which), or a
     JSON file could not be read
  2  usage error, invalid JSON record, or a write of an Emergency Mic-E
     status without --emergency-ok (nothing is sent to the tracker)

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

ExitStatus onDevice(const std::string& port, bool quiet, auto&& command) {
    auto choice = choosePort(port);
    if (!choice) {
        reportToolError("--port " + port +
                        ": expected COM1..COM20 or a device path starting with '/'");
        return ExitStatus::Usage;
    }
    PosixSerialPortApi api;
    SerialLink link(api, choice->table);
    link.setPortName(choice->name);
    // Logs and pipes stay clean: the steps show only to a person watching.
    if (quiet || isatty(STDERR_FILENO) == 0) {
        return command(link);
    }
    StderrPresenter messages;
    TerminalProgress progress(std::cerr, std::cout, messages);
    ScopedMessagePresenter installed(progress);
    link.setProgressCallback([&progress](const LinkProgress& step) { progress.show(step); });
    return command(link);
}

int run(int argc, char** argv) {
    StderrPresenter presenter;
    ScopedMessagePresenter installed(presenter);

    CLI::App app{
        "qz5cfg: show and build tracker configuration files, and read, write or ask "
        "the version of a tracker on a serial port."};
    app.footer(kFooter);
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
    bool quiet = false;

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

    for (auto* command : {versionCommand, readCommand, writeCommand}) {
        command->add_flag("--quiet,-q", quiet,
                          "no progress line on a terminal (there is none in a pipe)");
    }

    try {
        app.parse(argc, argv);
        if (readCommand->parsed() && !asJson && outFile.empty()) {
            throw CLI::ValidationError("read: give OUT or --json");
        }
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : static_cast<int>(ExitStatus::Usage);
    }

    ExitStatus status = ExitStatus::Ok;
    if (showCommand->parsed()) {
        status = runShow(file, std::cout);
    } else if (buildCommand->parsed()) {
        status = runBuild(jsonFile, outFile);
    } else if (versionCommand->parsed()) {
        status =
            onDevice(port, quiet, [&](SerialLink& link) { return runVersion(link, std::cout); });
    } else if (readCommand->parsed()) {
        const auto out = asJson ? std::nullopt : std::optional<std::string>(outFile);
        status =
            onDevice(port, quiet, [&](SerialLink& link) { return runRead(link, out, std::cout); });
    } else {
        status = onDevice(port, quiet,
                          [&](SerialLink& link) { return runWrite(link, file, emergencyOk); });
    }
    return static_cast<int>(status);
}

}  // namespace
}  // namespace qz5

int main(int argc, char** argv) {
    return qz5::run(argc, argv);
}
