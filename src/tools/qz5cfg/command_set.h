// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

#include "common/text.h"
#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

class DeviceSession;

// What a command does once the whole command line is parsed.
struct CommandRun {
    std::function<int()> run;
};

// A CommandRun for a command with the tool's usual exit statuses.
CommandRun runs(std::function<ExitStatus()> command);

// The tool's sub-commands. Every command file has one add...Command function
// that calls add(), binds its options on the sub-command it gets back to
// state it owns (kept alive by the closure it passes) and says what runs.
class CommandSet {
  public:
    // Called while parsing, and only when the line names the command: it may
    // refuse the line by throwing CLI::ValidationError, and gives what runs.
    using Choose = std::function<CommandRun()>;

    CommandSet(CLI::App& app, DeviceSession& devices);

    // The sub-command `name`, its help ending with `footer` and the pointer to
    // the tool's own help.
    CLI::App& add(const std::string& name, const std::string& description, Choose choose,
                  const std::string& footer = "");

    // Where the device commands open their port.
    DeviceSession& devices() const { return devices_; }

    // What the parsed line chose; empty before parsing.
    const CommandRun& chosen() const { return chosen_; }

  private:
    CLI::App& app_;
    DeviceSession& devices_;
    CommandRun chosen_;
};

// --set FIELD=VALUE, one value per option, so a file name after it stays the
// command's own.
void addSetOption(CLI::App& command, std::vector<std::string>& settings);

// --preset N=NAME, a SmartBeaconing preset for a profile, applied before any
// --set; one value per option, as --set.
void addPresetOption(CLI::App& command, std::vector<std::string>& presets);

// --strict on a command that hands a record on: `description` says what it
// does (save, send) nothing of when the check finds an error.
void addStrictOption(CLI::App& command, bool& strict, const Text& description);

}  // namespace qz5
