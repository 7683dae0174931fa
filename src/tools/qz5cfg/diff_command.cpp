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
Json settingsOf(const ConfigImage& image) {
    TrackerConfig settings;
    static_cast<void>(settings.decodeImage(image));  // a whole image always decodes
    return configToJson(settings);
}

bool printDifferences(const Json& left, const Json& right, const std::string& prefix,
                      std::ostream& out) {
    bool differ = false;
    for (const auto& [name, value] : left.items()) {
        if (value.is_structured()) {
            continue;
        }
        const Json& other = right.at(name);
        if (value != other) {
            // dump() leaves DEL and the C1 controls of a text as they are.
            out << prefix << name << ": " << printableText(value.dump()) << " -> "
                << printableText(other.dump()) << '\n';
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
    const Json a = settingsOf(left);
    const Json b = settingsOf(right);
    bool differ = printDifferences(a, b, "", out);
    const Json& profilesA = a.at("profiles");
    const Json& profilesB = b.at("profiles");
    for (std::size_t k = 0; k < profilesA.size(); ++k) {
        const std::string prefix = "profiles[" + std::to_string(k) + "].";
        differ = printDifferences(profilesA[k], profilesB[k], prefix, out) || differ;
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
