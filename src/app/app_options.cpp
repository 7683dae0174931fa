// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_options.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "app/window_platform.h"
#include "common/outside_text.h"
#include "common/program_info.h"

namespace qz5 {
namespace {

constexpr int kUsageError = 2;

struct Flag {
    const char* name;
    bool AppOptions::*field;
};

constexpr std::array kFlags{
    Flag{"--demo", &AppOptions::demo},
    Flag{"--all-settings", &AppOptions::allSettings},
    Flag{"--quit-after-start", &AppOptions::quitAfterStart},
};

Text platformHelp(const char* paragraph) {
    return *paragraph == '\0' ? Text() : say("Help", paragraph);
}

// One text, so that a translation can align its own columns.
Text helpText() {
    return say("Help",
               "Usage: qz5-config [OPTION]... [FILE]\n"
               "Configure an Orvane QZ5 APRS tracker over a serial port: read its version and\n"
               "its configuration, edit the Primary and Secondary beacon profiles, write them\n"
               "back and verify them, and make the tracker send test tones. A configuration\n"
               "file (.zb3) given as FILE is loaded once the window is up, as Load does.\n"
               "\n"
               "Options:\n"
               "      --demo              wire COM1 to a simulated tracker instead of a serial\n"
               "                          device, to try the program without hardware\n"
               "      --all-settings      open the All settings view, with every setting of\n"
               "                          both profiles, instead of the view chosen last\n"
               "      --quit-after-start  close the window as soon as it has been shown; the\n"
               "                          exit status is 1 if it could not be shown (for\n"
               "                          checking an installation)\n"
               "      --trace FILE        write every byte sent and received on the serial\n"
               "                          line, with its time, and each open, close and rate\n"
               "                          change, to FILE\n"
               "  -h, --help              print this help and exit\n"
               "      --version           print the version and exit\n"
               "\n"
               "Qt's own options, such as -platform NAME, are accepted as well.\n"
               "\n"
               "%1%2\n"
               "Exit status:\n"
               "  0  the window was closed, or help or the version was printed\n"
               "  1  the demo's simulated tracker could not be started, the trace file\n"
               "     could not be written, the help or the version could not be\n"
               "     written, or with --quit-after-start the window could not be shown\n"
               "  2  usage error\n")
        .with(platformHelp(portListHelp()), platformHelp(windowFontHelp()));
}

AppCommandLine answered(int exitStatus, Text words) {
    AppCommandLine line;
    line.exitStatus = exitStatus;
    line.output = words.english();
    line.words = std::move(words);
    return line;
}

AppCommandLine usageError(Text problem) {
    return answered(kUsageError,
                    say("Help", "qz5-config: %1\nTry 'qz5-config --help' for more information.\n")
                        .with(std::move(problem)));
}

bool asks(const std::vector<std::string>& arguments, std::initializer_list<const char*> names) {
    return std::any_of(arguments.begin(), arguments.end(), [&](const std::string& argument) {
        return std::any_of(names.begin(), names.end(),
                           [&](const char* name) { return argument == name; });
    });
}

}  // namespace

AppCommandLine parseAppCommandLine(const std::vector<std::string>& arguments) {
    AppCommandLine line;
    if (asks(arguments, {"--help", "-h"})) {
        return answered(0, helpText());
    }
    if (asks(arguments, {"--version"})) {
        return answered(0, std::string("qz5-config ") + kProgramVersion + "\n");
    }
    bool optionsEnded = false;
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        if (optionsEnded || !argument->starts_with('-')) {
            if (!line.options.file.empty()) {
                return usageError(
                    say("Help", "unexpected argument '%1'").with(printableText(*argument)));
            }
            line.options.file = *argument;
            continue;
        }
        if (*argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (*argument == "--trace" || argument->starts_with("--trace=")) {
            if (*argument == "--trace" && std::next(argument) == arguments.end()) {
                return usageError(say("Help", "option '--trace' needs a file name"));
            }
            line.options.traceFile = *argument == "--trace" ? *++argument : argument->substr(8);
            continue;
        }
        const auto* flag = std::find_if(kFlags.begin(), kFlags.end(),
                                        [&](const Flag& f) { return *argument == f.name; });
        if (flag == kFlags.end()) {
            return usageError(say("Help", "unknown option '%1'").with(printableText(*argument)));
        }
        line.options.*(flag->field) = true;
    }
    return line;
}

bool printForUser(const std::string& text, bool error) {
    attachParentConsole();
    std::FILE* stream = error ? stderr : stdout;
    const bool written = std::fputs(text.c_str(), stream) >= 0;
    return std::fflush(stream) == 0 && written;
}

}  // namespace qz5
