// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/kept_delays.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "config/image_scaling.h"
#include "config/image_test_support.h"

namespace qz5 {
namespace {

ConfigImage encodeKeeping(TrackerConfig config, const ConfigImage* kept) {
    std::array<std::uint8_t, kImageBufferSize> buffer{};
    EXPECT_TRUE(encodeKeepingDelays(config, buffer, kept));
    ConfigImage image{};
    std::copy_n(buffer.begin(), kImageSize, image.begin());
    return image;
}

TEST(KeptDelays, AnUneditedRecordEncodesBackToItsImage) {
    // Counts no formula gives back, next to the default image's own drift
    // (delay 2: 19 decodes to 127 ms, which encodes to 20).
    const std::vector<std::function<void(ConfigImage&)>> images = {
        [](ConfigImage&) {},
        [](ConfigImage& image) { image[kDelay1CountEntry + 1] = 0xFF; },
        [](ConfigImage& image) { image[kDelay3CountEntry] = 1; },
        [](ConfigImage& image) { image[kDelay2CountEntry] = 0; },
    };
    for (std::size_t i = 0; i < images.size(); ++i) {
        TrackerConfig defaults;
        ConfigImage image = testing::encode(defaults);
        images[i](image);
        TrackerConfig read;
        ASSERT_TRUE(read.decodeImage(image));
        EXPECT_EQ(encodeKeeping(read, &image), image) << i;
    }
}

TEST(KeptDelays, EditedOrRescaledDelaysFollowTheFormula) {
    TrackerConfig defaults;
    const ConfigImage image = testing::encode(defaults);
    TrackerConfig read;
    ASSERT_TRUE(read.decodeImage(image));

    TrackerConfig edited = read;
    edited.delay2Ms[1] = 200;
    const ConfigImage fromEdit = encodeKeeping(edited, &image);
    EXPECT_EQ(fromEdit[kDelay2CountEntry + 1], delayToCount(200, false));
    EXPECT_EQ(fromEdit[kDelay2CountEntry], image[kDelay2CountEntry]);

    // The same count means another delay at 300 baud: the kept byte would lie.
    TrackerConfig slower = read;
    slower.packet300Baud[0] = true;
    const ConfigImage fromSlower = encodeKeeping(slower, &image);
    EXPECT_EQ(fromSlower[kDelay2CountEntry], delayToCount(read.delay2Ms[0], true));

    // Nothing kept: the plain encoder, drift and all.
    EXPECT_EQ(encodeKeeping(read, nullptr), testing::encode(read));
    EXPECT_NE(testing::encode(read), image);
}

}  // namespace
}  // namespace qz5
