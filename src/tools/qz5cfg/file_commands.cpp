// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/file_commands.h"

#include <iostream>
#include <memory>
#include <ostream>

#include "config/config_file.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/check_command.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/field_setting.h"
#include "tools/qz5cfg/reader_language.h"
#include "tools/qz5cfg/record_source.h"

namespace qz5 {

ExitStatus runShow(const std::string& path, const std::vector<std::string>& settings,
                   std::ostream& out) {
    TrackerConfig config;
    ConfigImage image{};
    ExitStatus status = loadImage(path, config, image);
    if (status == ExitStatus::Ok) {
        status = applySettings({.settings = settings}, config, &image);
    }
    if (status != ExitStatus::Ok) {
        return status;
    }
    // A JSON record shows as its file would hold it: texts cut, values clamped.
    TrackerConfig written;
    static_cast<void>(written.decodeImage(image));  // a whole image always decodes
    return printRecord(written, out);
}

ExitStatus runBuild(const std::string& jsonPath, const RecordChanges& changes,
                    const std::string& outPath, bool strict, std::ostream& findings) {
    TrackerConfig config;
    ExitStatus status = loadJsonRecord(jsonPath, config);
    if (status == ExitStatus::Ok) {
        status = applySettings(changes, config, nullptr);
    }
    if (status != ExitStatus::Ok) {
        return status;
    }
    if (strict && stopsStrictly(config, true,
                                say("Cli", "nothing saved: --strict and the check found an error"),
                                findings)) {
        return ExitStatus::Failed;
    }
    return showOutcome(writeConfigFile(outPath, config));
}

void addShowCommand(CommandSet& commands) {
    struct Options {
        std::string file;
        std::vector<std::string> settings;
    };
    auto o = std::make_shared<Options>();
    auto& show = commands.add(
        "show", shown(say("Cli", "Print a configuration file (.zb3) or a JSON record as JSON.")),
        [o] { return runs([o] { return runShow(o->file, o->settings, std::cout); }); });
    show.add_option("FILE", o->file, shown(say("Cli", "configuration file or JSON record")))
        ->required();
    addSetOption(show, o->settings);
}

void addBuildCommand(CommandSet& commands) {
    struct Options {
        std::string jsonFile;
        std::string outFile;
        RecordChanges changes;
        bool strict = false;
    };
    auto o = std::make_shared<Options>();
    auto& build = commands.add(
        "build",
        shown(
            say("Cli", "Apply a JSON record to the defaults and save it as a configuration file.")),
        [o] {
            return runs([o] {
                return runBuild(o->jsonFile, o->changes, o->outFile, o->strict, std::cerr);
            });
        });
    build.add_option("JSON_FILE", o->jsonFile, shown(say("Cli", "JSON record")))->required();
    build.add_option("OUT_FILE", o->outFile, shown(say("Cli", "configuration file to write")))
        ->required();
    addPresetOption(build, o->changes.presets);
    addSetOption(build, o->changes.settings);
    addStrictOption(
        build, o->strict,
        say("Cli", "check the record first and save nothing when a finding is an error"));
}

}  // namespace qz5
