// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "config/image_test_support.h"
#include "support/record_fields.h"
#include "support/seen_messages.h"

namespace qz5 {
namespace {

using testing::encode;
using testing::text;

constexpr char kStatusWarning[] =
    "The Primary or Secondary Status Beacon text is too long and has been tuncated.  To have a "
    "longer status beacon text, use fewer digipeaters, and make the primary and secondary "
    "callsigns, digipeaters, or status texts identical.";
constexpr char kPathWarning[] =
    "The Primary or Secondary digipeater path is too long and has been truncated.";

const ConfigImage kDefaultImage = {
    0x2A, 0x2A, 0x80, 0x80, 0x4B, 0x4B, 0x13, 0x13, 0x78, 0x78, 0x00, 0x00, 0x1E, 0x1E, 0x00,
    0x00, 0xC2, 0xC2, 0x41, 0x41, 0x03, 0x03, 0x4E, 0x4E, 0x2A, 0x42, 0x01, 0x01, 0x00, 0x00,
    0x5B, 0x5B, 0x2F, 0x2F, 0x14, 0x14, 0x05, 0x05, 0x00, 0x00, 0x42, 0x48, 0x9C, 0x9E, 0x86,
    0x82, 0x98, 0x98, 0x60, 0xAE, 0x92, 0x88, 0x8A, 0x62, 0x40, 0x62, 0xAE, 0x92, 0x88, 0x8A,
    0x64, 0x40, 0x63, 0x03, 0xF0, 0x00, 0x32, 0x38, 0x38, 0x37, 0x38, 0x00, 0x32, 0x38, 0x38,
    0x36, 0x38, 0x00, 0x4F, 0x56, 0x20, 0x51, 0x5A, 0x35, 0x00};

// The 7 address bytes of profile k's n-th list entry.
std::vector<std::uint8_t> address(const ConfigImage& image, int k, int n) {
    const auto start = image.begin() + image[k] + 7 * n;
    return {start, start + 7};
}

TEST(EncodeImageTest, DefaultRecordGivesTheReferenceImage) {
    testing::SeenMessages presenter;
    TrackerConfig config;
    std::array<std::uint8_t, kImageBufferSize> buffer;
    buffer.fill(0xEE);
    EXPECT_TRUE(presenter(config.encodeImage(buffer)));
    EXPECT_TRUE(std::equal(kDefaultImage.begin(), kDefaultImage.end(), buffer.begin()));
    EXPECT_TRUE(std::all_of(buffer.begin() + kImageSize, buffer.end(),
                            [](std::uint8_t b) { return b == 0xEE; }));
    EXPECT_TRUE(presenter.shown.empty());
}

TEST(EncodeImageTest, SmallBufferIsReportedAndLeftUntouched) {
    testing::SeenMessages presenter;
    TrackerConfig config;
    std::array<std::uint8_t, kImageSize - 1> buffer;
    buffer.fill(0xEE);
    EXPECT_FALSE(presenter(config.encodeImage(buffer)));
    EXPECT_TRUE(
        std::all_of(buffer.begin(), buffer.end(), [](std::uint8_t b) { return b == 0xEE; }));
    std::array<std::uint8_t, kImageSize> exact;
    EXPECT_TRUE(presenter(config.encodeImage(exact)));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "Bad EE Size");
    EXPECT_EQ(presenter.shown[0].caption, "");
}

TEST(DecodeImageTest, DefaultImageChangesOnlyTheQuantisedDelays) {
    TrackerConfig config;
    config.calibrationChanged = true;
    config.activeProfile = 1;
    EXPECT_TRUE(config.decodeImage(kDefaultImage));

    TrackerConfig expected;
    expected.activeProfile = 1;
    expected.delay2Ms = {127, 127};
    expected.delay3Ms = {526, 526};
    EXPECT_EQ(testing::differingFields(config, expected), std::vector<std::string>{});
}

TEST(DecodeImageTest, WrongSizeIsReportedAndChangesNothing) {
    testing::SeenMessages presenter;
    TrackerConfig config;
    config.calibrationChanged = true;
    const TrackerConfig before = config;
    const std::vector<std::uint8_t> longer(129, 0x41);
    EXPECT_FALSE(presenter(config.decodeImage(std::span(longer).first(127))));
    EXPECT_FALSE(presenter(config.decodeImage(longer)));
    EXPECT_EQ(presenter.texts(),
              (std::vector<std::string>{"Bad EE Size 127\n", "Bad EE Size 129\n"}));
    EXPECT_EQ(presenter.shown[0].caption, "");
    EXPECT_EQ(testing::differingFields(config, before), std::vector<std::string>{});
}

TEST(EncodeImageTest, SmartBeaconingAndSlotBlocksAndAnUnsharedAddress) {
    testing::SeenMessages presenter;
    TrackerConfig config;
    config.smartBeaconing[0] = true;
    config.slotEnable[1] = true;
    config.activeProfile = 1;
    config.setCallsign("n0call-9");
    config.setStatusText("ABCDE");
    const ConfigImage image = encode(config, presenter);

    EXPECT_EQ(image[24], 42);  // Primary rate blocks
    EXPECT_EQ(image[0], 52);   // behind the 10-byte SmartBeaconing block
    EXPECT_EQ(image[25], 76);
    EXPECT_EQ(image[1], 78);  // behind the slot block
    EXPECT_EQ(image[76], 106);
    EXPECT_EQ(image[77], 0);
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + 42, image.begin() + 52),
              (std::vector<std::uint8_t>{5, 65, 0x08, 0x07, 90, 0, 27, 255, 0, 5}));
    EXPECT_EQ(address(image, 1, 0),
              (std::vector<std::uint8_t>{0x9C, 0x60, 0x86, 0x82, 0x98, 0x98, 0x72}));
    EXPECT_EQ(image[17], 0xD6);
    EXPECT_TRUE(config.slotDivides600[1]);
    EXPECT_FALSE(config.slotDivides60[1]);
    EXPECT_EQ(image[23], 121);
    EXPECT_EQ(image[126], 0);
    EXPECT_EQ(image[125], 'E');
    EXPECT_TRUE(presenter.shown.empty());

    TrackerConfig decoded;
    decoded.slotSeconds[1] = 0;
    ASSERT_TRUE(presenter(decoded.decodeImage(image)));
    EXPECT_EQ(text(decoded.callsign[1]), "N0CALL-9");
    EXPECT_EQ(decoded.slotSeconds[1], 15);
    EXPECT_EQ(decoded.sbSlowRate[0], 1800);
    EXPECT_EQ(text(decoded.statusText[1]), "ABCDE");
}

TEST(EncodeImageTest, SlotFlagsFollowTheRateOnlyWhileTheSlotIsOnAndTheRateIsNotZero) {
    TrackerConfig config;
    config.slotEnable[0] = true;
    config.transmitRate[0] = -7;
    encode(config);
    EXPECT_FALSE(config.slotDivides60[0]);
    config.transmitRate[0] = -30;
    encode(config);
    EXPECT_TRUE(config.slotDivides60[0]);
    EXPECT_TRUE(config.slotDivides600[0]);

    config.transmitRate[0] = 0;
    config.slotDivides60[0] = false;
    config.slotDivides600[0] = true;
    EXPECT_EQ(encode(config)[16] & 0x18, 0x10);
    config.slotEnable[1] = false;
    config.slotDivides60[1] = true;
    EXPECT_EQ(encode(config)[17] & 0x18, 0x08);
}

TEST(EncodeImageTest, SharingComparesRawTextsAndFloats) {
    TrackerConfig config;
    config.activeProfile = 1;
    config.setCallsign("nocall");
    ConfigImage image = encode(config);
    EXPECT_NE(image[0], image[1]);
    EXPECT_EQ(address(image, 0, 0), address(image, 1, 0));

    config.setCallsign("NOCALL");
    config.setDigiPath("WIDE1-1,WIDE2-2");
    image = encode(config);
    EXPECT_NE(image[0], image[1]);

    config.setDigiPath("WIDE1-1,WIDE2-1");
    config.setFrequency(144.39f);
    config.setStatusText("other");
    image = encode(config);
    EXPECT_EQ(image[0], image[1]);
    EXPECT_EQ(image[40], image[41]);
    EXPECT_NE(image[22], image[23]);
    EXPECT_EQ(image[22], 72);  // one frequency text only
    EXPECT_EQ(image[23], 79);
}

TEST(EncodeImageTest, StatusTextMayEndExactlyAtByte126) {
    testing::SeenMessages presenter;
    TrackerConfig config;
    // Default layout: the shared status text starts at byte 78.
    const std::string fits(49, 'x');
    config.setStatusText(fits);
    config.activeProfile = 1;
    config.setStatusText(fits);
    ConfigImage image = encode(config, presenter);
    EXPECT_EQ(image[126], 'x');
    EXPECT_EQ(image[127], 0);
    EXPECT_TRUE(presenter.shown.empty());

    config.setStatusText(fits + "y");
    config.activeProfile = 0;
    config.setStatusText(fits + "y");
    image = encode(config, presenter);
    EXPECT_EQ(image[126], 'x');
    EXPECT_EQ(image[127], 0);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, kStatusWarning);
    EXPECT_EQ(presenter.shown[0].caption, "Status Beacon Text Truncated");
    EXPECT_EQ(text(config.statusText[1]), fits + "y");

    TrackerConfig decoded;
    ASSERT_TRUE(presenter(decoded.decodeImage(image)));
    EXPECT_EQ(text(decoded.statusText[0]), fits);
}

TEST(EncodeImageTest, AStatusTextBehindAFullImageIsEmptyAtByte127) {
    testing::SeenMessages presenter;
    TrackerConfig config;
    config.setStatusText(std::string(60, 'p'));
    config.activeProfile = 1;
    config.setStatusText("second");
    const ConfigImage image = encode(config, presenter);
    EXPECT_EQ(image[22], 78);
    EXPECT_EQ(image[23], 127);
    EXPECT_EQ(image[127], 0);
    EXPECT_EQ(presenter.shown.size(), 1u);
}

TEST(EncodeImageTest, BlankAndLeadingCommaPathElements) {
    TrackerConfig config;
    config.setDigiPath(" ");
    ConfigImage image = encode(config);
    EXPECT_EQ(address(image, 0, 1),
              (std::vector<std::uint8_t>{0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x61}));
    TrackerConfig decoded;
    ASSERT_TRUE(decoded.decodeImage(image));
    EXPECT_EQ(text(decoded.digiPath[0]), "");

    for (const auto& [typed, read] : std::vector<std::pair<std::string, std::string>>{
             {"A,,B", "A,,B"}, {",WIDE2-1", "WIDE2-1"}, {"wide1-1,", "WIDE1-1"}, {"", ""}}) {
        config.setDigiPath(typed);
        ASSERT_TRUE(decoded.decodeImage(encode(config)));
        EXPECT_EQ(text(decoded.digiPath[0]), read) << typed;
    }
}

TEST(EncodeImageTest, ValuesBeyondTheirBytesKeepTheirLowBits) {
    TrackerConfig config;
    config.micEPath[0] = -1;
    config.transmitRate[0] = 70000;
    config.auxValue[0] = 300;
    config.auxValue[1] = -4;
    config.calibration = 0x1FE;
    const ConfigImage image = encode(config);
    EXPECT_EQ(image[28], 0xFF);
    EXPECT_EQ(image[8] + 256 * image[10], 4464);
    EXPECT_EQ(image[36], 255);
    EXPECT_EQ(image[37], 0);
    EXPECT_EQ(image[2], 0xFE);
    EXPECT_EQ(image[3], 0xFE);

    TrackerConfig decoded;
    ASSERT_TRUE(decoded.decodeImage(image));
    EXPECT_EQ(decoded.micEPath[0], 255);
    EXPECT_EQ(decoded.transmitRate[0], 4464);
    EXPECT_EQ(decoded.calibration, 0xFE);
}

// Sixteen bits of rate - second + 1, wrapping both ways; the decoder takes the
// second back from the rate as the tracker holds it.
TEST(EncodeImageTest, TheSlotHoldsTheRateLessTheSecondPlusOne) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    struct Case {
        std::int32_t rate, second;
        std::uint8_t low, high;
        std::int32_t decodedSecond;
    };
    for (const Case& c :
         {Case{120, 20, 0x65, 0x00, 20}, Case{120, 1, 0x78, 0x00, 1}, Case{0, 0, 0x01, 0x00, 0},
          Case{60, 61, 0x00, 0x00, 61}, Case{30, 32, 0xFF, 0xFF, -65504},
          Case{70000, 5, 0x6C, 0x11, 5}, Case{kMin, kMax, 0x02, 0x00, -1}}) {
        SCOPED_TRACE(::testing::Message() << c.rate << ", " << c.second);
        TrackerConfig config;
        config.slotEnable[0] = true;
        config.transmitRate[0] = c.rate;
        config.slotSeconds[0] = c.second;
        const ConfigImage image = encode(config);
        ASSERT_EQ(image[24], 42);
        EXPECT_EQ(image[42], c.low);
        EXPECT_EQ(image[43], c.high);
        TrackerConfig decoded;
        ASSERT_TRUE(decoded.decodeImage(image));
        EXPECT_EQ(decoded.slotSeconds[0], c.decodedSecond);
    }
}

TEST(EncodeImageTest, BothRateBlocksPutTheSlotBehindSmartBeaconing) {
    TrackerConfig config;
    config.smartBeaconing[0] = true;
    config.slotEnable[0] = true;
    config.slotSeconds[0] = 20;
    const ConfigImage image = encode(config);
    EXPECT_EQ(image[52], 101);
    EXPECT_EQ(image[0], 54);

    // The decoder reads the slot at the rate-block offset: here the speeds.
    TrackerConfig decoded;
    ASSERT_TRUE(decoded.decodeImage(image));
    EXPECT_EQ(decoded.slotSeconds[0], 120 - (5 + 256 * 65) + 1);
}

TEST(EncodeImageTest, OverlongPathsLoseTrailingElementsLongestFirst) {
    testing::SeenMessages presenter;
    TrackerConfig config;
    const std::string sixElements = "A1,A2,A3,A4,A5,A6";
    config.setDigiPath(sixElements);
    config.activeProfile = 1;
    config.setCallsign("OTHER");
    config.setDigiPath("B1,B2,B3,B4");
    const ConfigImage image = encode(config, presenter);

    // Bytes 42..126 less two frequency texts leave 73 for two lists of
    // 10 + 7n bytes: 7 elements in all, four and three.
    TrackerConfig decoded;
    ASSERT_TRUE(presenter(decoded.decodeImage(image)));
    EXPECT_EQ(text(decoded.digiPath[0]), "A1,A2,A3,A4");
    EXPECT_EQ(text(decoded.digiPath[1]), "B1,B2,B3");
    EXPECT_EQ(image[41], image[40] + 6);
    EXPECT_EQ(address(image, 1, 3)[6] & 1, 1);
    EXPECT_EQ(image[image[1] + 28], 0x03);
    EXPECT_EQ(text(config.digiPath[0]), sixElements);
    EXPECT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].text, kPathWarning);
    EXPECT_EQ(presenter.shown[0].caption, "Digipeater Path Truncated");
    EXPECT_EQ(presenter.shown[1].caption, "Status Beacon Text Truncated");
}

TEST(EncodeImageTest, BlocksMayFillTheImageToItsLastByte) {
    testing::SeenMessages presenter;
    TrackerConfig config;
    // Two frequency texts and one shared list of nine elements end exactly
    // at the last byte; a tenth element does not fit.
    for (int k = 0; k < kProfileCount; ++k) {
        config.activeProfile = k;
        config.setDigiPath("A1,A2,A3,A4,A5,A6,A7,A8,A9,A10");
    }
    const ConfigImage image = encode(config, presenter);
    TrackerConfig decoded;
    ASSERT_TRUE(presenter(decoded.decodeImage(image)));
    EXPECT_EQ(text(decoded.digiPath[0]), "A1,A2,A3,A4,A5,A6,A7,A8,A9");
    EXPECT_EQ(presenter.shown.front().text, kPathWarning);
}

TEST(EncodeImageTest, ASharedOverlongPathIsCutOnce) {
    testing::SeenMessages presenter;
    TrackerConfig config;
    std::string path =
        ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,"
        ",,,,,,";
    config.setDigiPath(path);
    config.activeProfile = 1;
    config.setDigiPath(path);
    config.setFrequency(144.39f);
    const ConfigImage image = encode(config, presenter);
    EXPECT_EQ(image[0], image[1]);
    // Bytes 42..126 less one frequency text and 10 bytes of list hold 9.
    EXPECT_EQ(image[40], 42 + 10 + 7 * 9);
    EXPECT_EQ(address(image, 0, 9)[6] & 1, 1);
    EXPECT_EQ(image[22], image[40] + 6);
    EXPECT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, kPathWarning);
}

TEST(DecodeImageTest, SymbolsBelowSignedSpaceGetSubstitutes) {
    ConfigImage image = kDefaultImage;
    image[30] = 0x05;
    image[31] = 0xC1;
    image[32] = 0xC1;
    image[33] = 0x20;
    TrackerConfig config;
    ASSERT_TRUE(config.decodeImage(image));
    EXPECT_EQ(config.symbolCode[0], '-');
    EXPECT_EQ(config.symbolCode[1], '-');
    EXPECT_EQ(config.symbolTable[0], '/');
    EXPECT_EQ(config.symbolTable[1], ' ');
}

TEST(DecodeImageTest, SsidWithBit7DecodesWithoutSsid) {
    ConfigImage image = kDefaultImage;
    image[48] = 0x60 | 0x80 | (5 << 1);
    TrackerConfig config;
    ASSERT_TRUE(config.decodeImage(image));
    EXPECT_EQ(text(config.callsign[0]), "NOCALL");
    EXPECT_EQ(text(config.digiPath[0]), "WIDE1-1,WIDE2-1");
}

TEST(DecodeImageTest, SkippedBlocksKeepTheirRecordValues) {
    TrackerConfig config;
    config.sbTurnTime = {77, 77};
    config.slotSeconds = {33, 33};
    ASSERT_TRUE(config.decodeImage(kDefaultImage));
    EXPECT_EQ(config.sbTurnTime[0], 77);
    EXPECT_EQ(config.slotSeconds[1], 33);
}

TEST(DecodeImageTest, MalformedImagesStayInsideTheImageAndTheFields) {
    ConfigImage image{};
    image[0] = 200;  // station address beyond the image reads as zeros
    image[1] = 100;  // list without an end bit
    for (int i = 100; i < 128; ++i) {
        image[i] = 'K' << 1;
    }
    image[22] = 100;  // status without a NUL runs to the end
    image[23] = 127;
    image[40] = 125;
    TrackerConfig config;
    EXPECT_TRUE(config.decodeImage(image));
    EXPECT_EQ(text(config.callsign[0]), "");
    EXPECT_EQ(text(config.digiPath[0]), "");
    EXPECT_EQ(text(config.callsign[1]), "KKKKKK");
    // Three whole addresses follow the station's at 107, 114 and 121.
    EXPECT_EQ(text(config.digiPath[1]), "KKKKKK,KKKKKK,KKKKKK");
    EXPECT_EQ(text(config.statusText[0]).size(), 28u);
    EXPECT_EQ(text(config.statusText[1]), "\x96");
    // Digits beyond the image read as zeros: 'K' 'K' 'K' 0 0.
    const double steps = ((double('K' << 1) - 48) * 111 * 100 - 48 * 11);
    EXPECT_FLOAT_EQ(config.frequencyMHz[0], float(steps * double(0.005f)));
}

TEST(DecodeImageTest, APathStopsBeforeTheElementThatWouldOverflowIt) {
    ConfigImage image = kDefaultImage;
    image[0] = 42;
    const std::uint8_t element[7] = {'A' << 1, 'B' << 1, 'C' << 1,        'D' << 1,
                                     'E' << 1, 'F' << 1, (0x30 | 12) << 1};
    for (int n = 0; n < 12; ++n) {
        std::copy(std::begin(element), std::end(element), image.begin() + 42 + 7 * n);
    }
    TrackerConfig config;
    ASSERT_TRUE(config.decodeImage(image));
    const std::string path = text(config.digiPath[0]);
    EXPECT_EQ(path.size(), 99u);
    EXPECT_EQ(std::count(path.begin(), path.end(), ','), 9);
}

}  // namespace
}  // namespace qz5
