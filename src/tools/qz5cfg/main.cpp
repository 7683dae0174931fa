// SPDX-License-Identifier: GPL-3.0-or-later
#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "common/program_info.h"
#include "language/catalogue.h"
#include "language/language_choice.h"
#include "tools/qz5cfg/check_command.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/device_commands.h"
#include "tools/qz5cfg/device_session.h"
#include "tools/qz5cfg/diff_command.h"
#include "tools/qz5cfg/exit_status.h"
#include "tools/qz5cfg/file_commands.h"
#include "tools/qz5cfg/help_text.h"
#include "tools/qz5cfg/history_command.h"
#include "tools/qz5cfg/platform_commands.h"
#include "tools/qz5cfg/reader_language.h"
#include "tools/qz5cfg/stderr_presenter.h"
#include "tools/qz5cfg/timing_command.h"

namespace qz5 {
namespace {

// In the order the help lists them.
void addCommands(CommandSet& commands) {
    addShowCommand(commands);
    addBuildCommand(commands);
    addTimingCommand(commands);
    addVersionCommand(commands);
    addReadCommand(commands);
    addWriteCommand(commands);
    addDiffCommand(commands);
    addCheckCommand(commands);
    addHistoryCommand(commands);
    addPortsCommand(commands);
}

// The language the system asks for, kept for the whole run; none is English.
void speakSystemLanguage() {
    static Catalogue catalogue;
    if (const std::optional<std::string> code = catalogueFor(systemLanguages())) {
        if (catalogue.load(*code)) {
            speakThrough(&catalogue);
        }
    }
}

int run(int argc, char** argv) {
    speakSystemLanguage();
    StderrPresenter presenter;
    ScopedMessagePresenter installed(presenter);

    CLI::App app{shown(say("Cli",
                           "qz5cfg: show and build tracker configuration files, and read, write "
                           "or ask the version of a tracker on a serial port."))};
    speakHelp(app);
    app.footer(helpFooter());
    app.set_version_flag("--version", std::string("qz5cfg ") + kProgramVersion,
                         shown(say("Cli", "Print the version and exit")));
    app.require_subcommand(1);
    std::string tracePath;
    app.add_option(
        "--trace", tracePath,
        shown(say("Cli", "write every byte on the serial line, with times, to this file")));
    // The option may follow the command, as users tend to add it last.
    app.fallthrough();
    DeviceSession devices;
    CommandSet commands(app, devices);
    addCommands(commands);
    try {
        const std::vector<std::string> arguments = commandLineArguments(argc, argv);
        std::vector<const char*> words;
        words.reserve(arguments.size());
        for (const std::string& argument : arguments) {
            words.push_back(argument.c_str());
        }
        app.parse(static_cast<int>(words.size()), words.data());
    } catch (const CLI::ParseError& error) {
        if (app.exit(error) != 0) {
            return static_cast<int>(ExitStatus::Usage);
        }
        // The help and the version are output like any other: one that is
        // lost (a full disk, a closed pipe) is a failure.
        return static_cast<int>(finishOutput(std::cout));
    }
    devices.traceTo(tracePath);
    return commands.chosen().run();
}

}  // namespace
}  // namespace qz5

int main(int argc, char** argv) {
    // What no command expects (memory running out, a library's own error)
    // still ends in a message and the failure status, not in an abort.
    try {
        return qz5::run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "qz5cfg: " << error.what() << '\n';
        return static_cast<int>(qz5::ExitStatus::Failed);
    }
}
