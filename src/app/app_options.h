// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/text.h"

namespace qz5 {

struct AppOptions {
    // COM1 is a simulated tracker in this process instead of a serial device.
    bool demo = false;
    // The window closes as soon as it has been shown: proof for scripted
    // checks that an installation can open it.
    bool quitAfterStart = false;
    // Open on the view with every setting instead of the one chosen last.
    bool allSettings = false;
    // Every byte on the serial line, with times, goes to this file.
    std::string traceFile;
    // A configuration file the window loads once it is up, as Load does.
    std::string file;
};

// What the window program's command line asks for. When exitStatus is set the
// program prints `output` (to stdout for 0, else to stderr) and ends without a
// window: --help, --version, or a usage error.
struct AppCommandLine {
    AppOptions options;
    std::optional<int> exitStatus;
    std::string output;
    // The same words for the catalogues, to print in the reader's language.
    Text words;
};

// `arguments` excludes the program's name. --help and --version win wherever
// they stand, so they answer even beside options only Qt understands.
AppCommandLine parseAppCommandLine(const std::vector<std::string>& arguments);

// Prints a message of the program before or instead of its window, where the
// user who started it can see it; `error` puts it on stderr. False when it
// could not be written.
bool printForUser(const std::string& text, bool error);

}  // namespace qz5
