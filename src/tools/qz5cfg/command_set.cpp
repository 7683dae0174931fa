// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/command_set.h"

#include <utility>

#include "config/timing/smart_beaconing_presets.h"
#include "tools/qz5cfg/reader_language.h"

namespace qz5 {

CommandRun runs(std::function<ExitStatus()> command) {
    return {[command = std::move(command)] { return static_cast<int>(command()); }};
}

CommandSet::CommandSet(CLI::App& app, DeviceSession& devices) : app_(app), devices_(devices) {}

CLI::App& CommandSet::add(const std::string& name, const std::string& description, Choose choose,
                          const std::string& footer) {
    auto* command = app_.add_subcommand(name, description);
    speakHelp(*command);
    command->footer(
        footer +
        shown(say("Cli",
                  "Run 'qz5cfg --help' for ports, messages, exit statuses and the JSON form.")));
    command->callback([this, choose = std::move(choose)] { chosen_ = choose(); });
    return *command;
}

void addSetOption(CLI::App& command, std::vector<std::string>& settings) {
    command
        .add_option("--set", settings,
                    shown(say("Cli",
                              "set a field by its JSON name, e.g. profiles[0].callsign=MYCALL-7 "
                              "(repeatable)")))
        ->type_name("FIELD=VALUE")
        ->allow_extra_args(false);
}

void addPresetOption(CLI::App& command, std::vector<std::string>& presets) {
    command
        .add_option("--preset", presets,
                    shown(say("Cli",
                              "set profile N's (1 Primary, 2 Secondary) SmartBeaconing to a "
                              "preset and turn it on, before any --set: %1 (repeatable)")
                              .with(smartBeaconingPresetNames())))
        ->type_name("N=NAME")
        ->allow_extra_args(false);
}

void addStrictOption(CLI::App& command, bool& strict, const Text& description) {
    command.add_flag("--strict", strict, shown(description));
}

}  // namespace qz5
