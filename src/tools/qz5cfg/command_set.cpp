// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/command_set.h"

#include <utility>

#include "config/timing/smart_beaconing_presets.h"

namespace qz5 {

namespace {

constexpr const char* kCommandFooter =
    "Run 'qz5cfg --help' for ports, messages, exit statuses and the JSON form.";

}  // namespace

CommandRun runs(std::function<ExitStatus()> command) {
    return {[command = std::move(command)] { return static_cast<int>(command()); }};
}

CommandSet::CommandSet(CLI::App& app, DeviceSession& devices) : app_(app), devices_(devices) {}

CLI::App& CommandSet::add(const std::string& name, const std::string& description, Choose choose,
                          const std::string& footer) {
    auto* command = app_.add_subcommand(name, description);
    command->footer(footer + kCommandFooter);
    command->callback([this, choose = std::move(choose)] { chosen_ = choose(); });
    return *command;
}

void addSetOption(CLI::App& command, std::vector<std::string>& settings) {
    command
        .add_option("--set", settings,
                    "set a field by its JSON name, e.g. profiles[0].callsign=MYCALL-7 "
                    "(repeatable)")
        ->type_name("FIELD=VALUE")
        ->allow_extra_args(false);
}

void addPresetOption(CLI::App& command, std::vector<std::string>& presets) {
    command
        .add_option("--preset", presets,
                    "set profile N's (1 Primary, 2 Secondary) SmartBeaconing to a preset and turn "
                    "it on, before any --set: " +
                        smartBeaconingPresetNames() + " (repeatable)")
        ->type_name("N=NAME")
        ->allow_extra_args(false);
}

void addStrictOption(CLI::App& command, bool& strict, const std::string& what) {
    command.add_flag("--strict", strict,
                     "check the record first and " + what + " nothing when a finding is an error");
}

}  // namespace qz5
