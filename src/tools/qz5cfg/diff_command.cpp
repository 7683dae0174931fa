// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/diff_command.h"

#include <iostream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/outside_text.h"
#include "config/settings_comparison.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/config_json.h"
#include "tools/qz5cfg/device_session.h"
#include "tools/qz5cfg/reader_language.h"
#include "tools/qz5cfg/record_source.h"
#include "tools/qz5cfg/symbol_names.h"

namespace qz5 {
namespace {

std::optional<ConfigImage> imageOf(const std::string& side, const TrackerImageReader& readTracker) {
    ConfigImage image{};
    TrackerConfig ignored;
    if (loadSide(side, readTracker, ignored, image) != ExitStatus::Ok) {
        return std::nullopt;
    }
    return image;
}

// Symbol names come from the decoded settings, as the tracker would hold them.
TrackerConfig settingsOf(const ConfigImage& image) {
    TrackerConfig settings;
    static_cast<void>(settings.decodeImage(image));  // a whole image always decodes
    return settings;
}

// " (Jogger -> Car)": what maps draw for each side's symbol of profile k;
// nothing without a symbol list.
std::string symbolNames(const TrackerConfig& left, const TrackerConfig& right, int k) {
    const SymbolSource& symbols = systemSymbols();
    const auto a = nameSymbol(symbols, left.symbolTable[k], left.symbolCode[k]);
    const auto b = nameSymbol(symbols, right.symbolTable[k], right.symbolCode[k]);
    if (symbols.get() == nullptr) {
        return {};
    }
    const auto named = [](const std::optional<Text>& name) {
        // The list's names are outside text.
        return name ? printableText(shown(*name)) : shown(say("Symbols", "no picture"));
    };
    return " (" + named(a) + " -> " + named(b) + ")";
}

bool isSymbolField(std::string_view name) {
    return name == "symbolCode" || name == "symbolTable";
}

std::string jsonName(const SettingDifference& difference) {
    const std::string name = difference.field.name;
    return difference.profile ? "profiles[" + std::to_string(*difference.profile) + "]." + name
                              : name;
}

}  // namespace

DiffStatus runDiff(const std::string& left, const std::string& right,
                   const TrackerImageReader& readTracker, std::ostream& out) {
    const auto leftImage = imageOf(left, readTracker);
    const auto rightImage = leftImage ? imageOf(right, readTracker) : std::nullopt;
    if (!rightImage) {
        return DiffStatus::Trouble;
    }
    return compareImages(*leftImage, *rightImage, out);
}

DiffStatus compareImages(const ConfigImage& left, const ConfigImage& right, std::ostream& out) {
    const std::vector<SettingDifference> differences = compareSettings(left, right);
    const TrackerConfig leftSettings = settingsOf(left);
    const TrackerConfig rightSettings = settingsOf(right);
    for (const SettingDifference& difference : differences) {
        // dump() leaves DEL and the C1 controls of a text as they are.
        out << jsonName(difference) << ": "
            << printableText(settingToJson(difference.before).dump()) << " -> "
            << printableText(settingToJson(difference.after).dump());
        if (difference.profile && isSymbolField(difference.field.name)) {
            out << symbolNames(leftSettings, rightSettings, *difference.profile);
        }
        out << '\n';
    }
    if (differences.empty() && left != right) {
        out << shown(say("Cli",
                         "same settings; the images differ in %1 byte(s) (rounded delays or the "
                         "layout of the image)")
                         .with(std::to_string(differingBytes(left, right))))
            << '\n';
    }
    if (finishOutput(out) != ExitStatus::Ok) {
        return DiffStatus::Trouble;
    }
    return differences.empty() ? DiffStatus::Same : DiffStatus::Different;
}

void addDiffCommand(CommandSet& commands) {
    struct Options {
        std::string left;
        std::string right;
    };
    auto o = std::make_shared<Options>();
    auto& diff = commands.add(
        "diff",
        shown(say(
            "Cli",
            "Compare the settings of two configuration files, JSON records or tracker:PORT. Exit "
            "status as diff(1): 0 equal, 1 different, 2 trouble.")),
        [o, &devices = commands.devices()] {
            return CommandRun{[o, &devices] {
                return static_cast<int>(
                    runDiff(o->left, o->right, devices.quietTrackerReader(), std::cout));
            }};
        });
    diff.add_option("A", o->left, shown(say("Cli", "file, JSON record or tracker:PORT")))
        ->required();
    diff.add_option("B", o->right, shown(say("Cli", "file, JSON record or tracker:PORT")))
        ->required();
}

}  // namespace qz5
