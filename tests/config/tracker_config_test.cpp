// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/tracker_config.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "config/image_test_support.h"
#include "support/record_fields.h"

namespace qz5 {
namespace {

using testing::text;

TEST(TrackerConfigTest, DefaultsGiveBothProfilesTheSameSettingsButTheFrequency) {
    const TrackerConfig config;
    EXPECT_EQ(config.activeProfile, 0);
    EXPECT_EQ(config.calibration, 128);
    EXPECT_FALSE(config.calibrationChanged);
    for (int k = 0; k < kProfileCount; ++k) {
        EXPECT_EQ(text(config.callsign[k]), "NOCALL");
        EXPECT_EQ(text(config.digiPath[k]), "WIDE1-1,WIDE2-1");
        EXPECT_EQ(text(config.statusText[k]), "OV QZ5");
        EXPECT_EQ(config.symbolCode[k], '[');
        EXPECT_EQ(config.symbolTable[k], '/');
        EXPECT_EQ(config.sbSlowRate[k], 1800);
        EXPECT_EQ(config.sbTurnSlope[k], 255);
        EXPECT_TRUE(config.noTxOnPttIn[k]);
        EXPECT_FALSE(config.gps9600[k]);
    }
    EXPECT_EQ(config.frequencyMHz[0], 144.39f);
    EXPECT_EQ(config.frequencyMHz[1], 144.34f);
    EXPECT_EQ(double(config.frequencyMHz[0]), 144.38999938964844);
    EXPECT_EQ(testing::fieldsDifferingBetweenProfiles(config),
              std::vector<std::string>{"frequencyMHz"});
}

TEST(TrackerConfigTest, TextSettersKeepTheFieldTerminatedAndClearOldTails) {
    TrackerConfig config;
    config.setCallsign("ABCDEFGHIJKLMNOPQRSTUVWXY");
    EXPECT_EQ(text(config.callsign[0]), "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(config.callsign[0][19], '\0');

    config.setCallsign("AB");
    for (std::size_t i = 2; i < kCallsignSize; ++i) {
        EXPECT_EQ(config.callsign[0][i], '\0') << i;
    }

    config.setDigiPath(std::string(150, 'P'));
    EXPECT_EQ(text(config.digiPath[0]), std::string(99, 'P'));
    config.setStatusText(std::string(250, 'S'));
    EXPECT_EQ(text(config.statusText[0]), std::string(199, 'S'));

    config.setStatusText(std::string_view("AB\0CD", 5));
    EXPECT_EQ(text(config.statusText[0]), "AB");
    EXPECT_EQ(config.statusText[0][3], '\0');
}

TEST(TrackerConfigTest, SettersWriteOnlyTheActiveProfile) {
    TrackerConfig config;
    config.activeProfile = 1;
    config.setCallsign("N0CALL-9");
    config.setDigiPath("WIDE2-2");
    config.setStatusText("second");
    config.setFrequency(145.0f);
    EXPECT_EQ(text(config.callsign[0]), "NOCALL");
    EXPECT_EQ(text(config.digiPath[0]), "WIDE1-1,WIDE2-1");
    EXPECT_EQ(text(config.statusText[0]), "OV QZ5");
    EXPECT_EQ(config.frequencyMHz[0], 144.39f);
    EXPECT_EQ(text(config.callsign[1]), "N0CALL-9");
    EXPECT_EQ(config.frequencyMHz[1], 145.0f);
}

TEST(TrackerConfigTest, SetFrequencyKeepsTheBandAndFallsBackToThePrimaryDefault) {
    TrackerConfig config;
    config.activeProfile = 1;
    for (float inBand : {144.0f, 148.0f, 146.52f}) {
        config.setFrequency(inBand);
        EXPECT_EQ(config.frequencyMHz[1], inBand);
    }
    for (float outside : {143.99f, 148.01f, 0.0f, -144.39f, std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::infinity()}) {
        config.frequencyMHz[1] = 146.0f;
        config.setFrequency(outside);
        EXPECT_EQ(config.frequencyMHz[1], 144.39f) << outside;
    }
}

}  // namespace
}  // namespace qz5
