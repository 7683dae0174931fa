// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings_comparison.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/tracker_config.h"

namespace qz5 {
namespace {

ConfigImage imageOf(const std::function<void(TrackerConfig&)>& edit) {
    TrackerConfig config;
    edit(config);
    ConfigImage image{};
    EXPECT_TRUE(config.encodeImage(image));
    return image;
}

std::string nameOf(const SettingDifference& difference) {
    return (difference.profile ? std::to_string(*difference.profile) + "." : std::string()) +
           difference.field.name;
}

TEST(SettingsComparison, NamesEachSettingThatDiffersWithBothValues) {
    struct Case {
        const char* what;
        std::function<void(TrackerConfig&)> edit;
        std::string name;
        SettingValue before;
        SettingValue after;
    };
    const std::vector<Case> cases = {
        {"shared number", [](TrackerConfig& c) { c.calibration = 130; }, "calibration",
         std::int32_t{128}, std::int32_t{130}},
        {"text", [](TrackerConfig& c) { c.setCallsign("K1ABC-7"); }, "0.callsign",
         std::string("NOCALL"), std::string("K1ABC-7")},
        {"second profile's flag", [](TrackerConfig& c) { c.smartBeaconing[1] = true; },
         "1.smartBeaconing", false, true},
        {"frequency", [](TrackerConfig& c) { c.frequencyMHz[0] = 144.8F; }, "0.frequencyMHz",
         144.39F, 144.8F},
        {"symbol", [](TrackerConfig& c) { c.symbolCode[1] = '>'; }, "1.symbolCode",
         std::string("["), std::string(">")},
    };
    const ConfigImage defaults = imageOf([](TrackerConfig&) {});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto differences = compareSettings(defaults, imageOf(c.edit));
        ASSERT_EQ(differences.size(), 1u);
        EXPECT_EQ(nameOf(differences[0]), c.name);
        // A frequency comes back from its 5 kHz steps, not as typed.
        const auto near = [](const SettingValue& got, const SettingValue& wanted) {
            if (const auto* mhz = std::get_if<float>(&wanted)) {
                ASSERT_TRUE(std::holds_alternative<float>(got));
                EXPECT_NEAR(std::get<float>(got), *mhz, 0.0001);
            } else {
                EXPECT_EQ(got, wanted);
            }
        };
        near(differences[0].before, c.before);
        near(differences[0].after, c.after);
    }
    EXPECT_TRUE(compareSettings(defaults, defaults).empty());
}

TEST(SettingsComparison, OrderIsSharedThenPrimaryThenSecondary) {
    const auto differences =
        compareSettings(imageOf([](TrackerConfig&) {}), imageOf([](TrackerConfig& c) {
                            c.transmitRate[1] = 600;
                            c.transmitRate[0] = 300;
                            c.calibration = 1;
                        }));
    std::vector<std::string> names;
    for (const SettingDifference& difference : differences) {
        names.push_back(nameOf(difference));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"calibration", "0.transmitRate", "1.transmitRate"}));
}

}  // namespace
}  // namespace qz5
