// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/diff_command.h"

#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <numeric>
#include <optional>
#include <ostream>
#include <string_view>

#include "common/outside_text.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/config_json.h"
#include "tools/qz5cfg/device_session.h"
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

// Both sides are compared as the tracker would hold them, so a JSON record
// counts with what its encoding keeps, and values outside the image (the
// shown tab, the calibration mark) never differ.
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
    constexpr const char* kNone = "no picture";
    return " (" + printableText(a.value_or(kNone)) + " -> " + printableText(b.value_or(kNone)) +
           ")";
}

bool isSymbolField(std::string_view name) {
    return name == "symbolCode" || name == "symbolTable";
}

// `symbols` is added to the lines of the symbol's fields, when one differs.
bool printDifferences(const Json& left, const Json& right, const std::string& prefix,
                      const std::function<std::string()>& symbols, std::ostream& out) {
    bool differ = false;
    for (const auto& [name, value] : left.items()) {
        if (value.is_structured()) {
            continue;
        }
        const Json& other = right.at(name);
        if (value != other) {
            // dump() leaves DEL and the C1 controls of a text as they are.
            out << prefix << name << ": " << printableText(value.dump()) << " -> "
                << printableText(other.dump()) << (isSymbolField(name) ? symbols() : "") << '\n';
            differ = true;
        }
    }
    return differ;
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
    const TrackerConfig leftSettings = settingsOf(left);
    const TrackerConfig rightSettings = settingsOf(right);
    const Json a = configToJson(leftSettings);
    const Json b = configToJson(rightSettings);
    bool differ = printDifferences(
        a, b, "", [] { return std::string(); }, out);
    const Json& profilesA = a.at("profiles");
    const Json& profilesB = b.at("profiles");
    for (int k = 0; k < kProfileCount; ++k) {
        const std::string prefix = "profiles[" + std::to_string(k) + "].";
        const auto symbols = [&, k] { return symbolNames(leftSettings, rightSettings, k); };
        differ = printDifferences(profilesA[k], profilesB[k], prefix, symbols, out) || differ;
    }
    if (!differ && left != right) {
        const auto bytes = std::inner_product(left.begin(), left.end(), right.begin(), 0,
                                              std::plus<>(), std::not_equal_to<>());
        out << "same settings; the images differ in " << bytes
            << " byte(s) (rounded delays or the layout of the image)\n";
    }
    if (finishOutput(out) != ExitStatus::Ok) {
        return DiffStatus::Trouble;
    }
    return differ ? DiffStatus::Different : DiffStatus::Same;
}

void addDiffCommand(CommandSet& commands) {
    struct Options {
        std::string left;
        std::string right;
    };
    auto o = std::make_shared<Options>();
    auto& diff = commands.add(
        "diff",
        "Compare the settings of two configuration files, JSON records or tracker:PORT. Exit "
        "status as diff(1): 0 equal, 1 different, 2 trouble.",
        [o, &devices = commands.devices()] {
            return CommandRun{[o, &devices] {
                return static_cast<int>(
                    runDiff(o->left, o->right, devices.quietTrackerReader(), std::cout));
            }};
        });
    diff.add_option("A", o->left, "file, JSON record or tracker:PORT")->required();
    diff.add_option("B", o->right, "file, JSON record or tracker:PORT")->required();
}

}  // namespace qz5
