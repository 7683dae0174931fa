// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "config/callsign.h"
#include "config/image_scaling.h"
#include "config/image_test_support.h"
#include "support/seen_messages.h"

namespace qz5 {
namespace {

using testing::text;

class RandomRecords {
  public:
    explicit RandomRecords(unsigned seed) : rng_(seed) {}

    TrackerConfig next() {
        TrackerConfig c;
        c.activeProfile = pick(2);
        c.calibration = number();
        for (int k = 0; k < kProfileCount; ++k) {
            fillText(c.callsign[k], pick(3) == 0 ? 19 : 12);
            fillText(c.digiPath[k], pick(4) == 0 ? 99 : 30);
            fillText(c.statusText[k], pick(3) == 0 ? 199 : 40);
            for (auto* field : {&c.delay1Ms, &c.delay2Ms, &c.micEStatus, &c.micEPath, &c.auxCount,
                                &c.transmitRate, &c.altRateSeconds, &c.slotSeconds, &c.sbLowSpeed,
                                &c.sbHighSpeed, &c.sbSlowRate, &c.sbFastRate, &c.sbTurnAngle,
                                &c.sbTurnSlope, &c.sbTurnTime, &c.delay3Ms, &c.auxValue}) {
                (*field)[k] = number();
            }
            c.symbolCode[k] = static_cast<char>(pick(256));
            c.symbolTable[k] = static_cast<char>(pick(256));
            c.frequencyMHz[k] = pick(2) == 0
                                    ? 144.0f + static_cast<float>(pick(801)) * 0.005f
                                    : std::bit_cast<float>(static_cast<std::uint32_t>(rng_()));
            for (auto* flag :
                 {&c.forcePrintable,  &c.onlySendValid,  &c.slotEnable,     &c.slotDivides60,
                  &c.slotDivides600,  &c.smartBeaconing, &c.sendAltitude,   &c.micEEnable,
                  &c.auxEnable,       &c.timestamp,      &c.allowTtlSerial, &c.alternateDigiPaths,
                  &c.invertCdIn,      &c.timestampHms,   &c.noTxOnPttIn,    &c.sendNmea,
                  &c.sendSeparate,    &c.packet300Baud,  &c.noGreaterThan,  &c.serialOutHigh,
                  &c.skipStartPacket, &c.gps9600}) {
                (*flag)[k] = pick(2) == 1;
            }
        }
        // Often make the Secondary share, so both layouts get exercised.
        if (pick(2) == 0) {
            c.callsign[1] = c.callsign[0];
            c.digiPath[1] = c.digiPath[0];
        }
        if (pick(2) == 0) {
            c.statusText[1] = c.statusText[0];
        }
        if (pick(2) == 0) {
            c.frequencyMHz[1] = c.frequencyMHz[0];
        }
        return c;
    }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::int32_t number() {
        switch (pick(4)) {
            case 0:
                return pick(300);
            case 1:
                return pick(70000) - 1000;
            case 2: {
                constexpr std::int32_t kEdges[] = {std::numeric_limits<std::int32_t>::min(),
                                                   std::numeric_limits<std::int32_t>::max(),
                                                   -1,
                                                   0,
                                                   255,
                                                   256,
                                                   65535,
                                                   65536};
                return kEdges[pick(8)];
            }
            default:
                return static_cast<std::int32_t>(rng_());
        }
    }

    template <std::size_t N>
    void fillText(std::array<char, N>& field, int maxLength) {
        static constexpr char kCallsignLike[] = "AZaz09-,, -WIDE";
        field.fill('\0');
        const int length = pick(maxLength + 1);
        for (int i = 0; i < length; ++i) {
            field[i] = pick(3) == 0 ? static_cast<char>(1 + pick(255))
                                    : kCallsignLike[pick(sizeof kCallsignLike - 1)];
        }
    }

    std::mt19937 rng_;
};

std::uint8_t referenceCount(std::int32_t ms, int offset, float factor) {
    const long long count =
        static_cast<long long>(std::trunc((double(ms) + offset) * factor + 0.5));
    return static_cast<std::uint8_t>(std::clamp(count, 0LL, 255LL));
}

std::string elementText(const CallsignAddress& address) {
    std::string base(address.base.data());
    base.erase(base.find_last_not_of(' ') + 1);
    return address.ssid == 0 ? base : base + "-" + std::to_string(address.ssid);
}

// Checks one encode against the layout rules, then the decode of that image.
void checkRoundTrip(const TrackerConfig& original) {
    testing::SeenMessages presenter;
    TrackerConfig config = original;
    std::array<std::uint8_t, kImageBufferSize> buffer;
    buffer.fill(0xA5);
    ASSERT_TRUE(presenter(config.encodeImage(buffer)));
    for (int i = kImageSize; i < kImageBufferSize; ++i) {
        ASSERT_EQ(buffer[i], 0xA5) << "written past the image at " << i;
    }
    ConfigImage image;
    std::copy_n(buffer.begin(), kImageSize, image.begin());
    EXPECT_EQ(image[127], 0);
    bool pathWarned = false;
    for (const auto& message : presenter.shown) {
        pathWarned = pathWarned || message.caption == "Digipeater Path Truncated";
    }

    const bool shareList = text(config.callsign[0]) == text(config.callsign[1]) &&
                           text(config.digiPath[0]) == text(config.digiPath[1]);
    int pos = 42;
    for (int k = 0; k < kProfileCount; ++k) {
        EXPECT_EQ(image[2 + k], config.calibration & 0xFF);
        EXPECT_EQ(image[4 + k],
                  referenceCount(config.delay1Ms[k], config.packet300Baud[k] ? 13 : 3,
                                 config.packet300Baud[k] ? 0.037500937f : 0.15001501f));
        EXPECT_EQ(image[34 + k], referenceCount(config.delay3Ms[k], 13, 0.038022816f));
        EXPECT_EQ(image[8 + k] | image[10 + k] << 8, config.transmitRate[k] & 0xFFFF);
        EXPECT_EQ(image[12 + k] | image[14 + k] << 8, config.altRateSeconds[k] & 0xFFFF);
        EXPECT_EQ(image[36 + k], std::clamp(config.auxValue[k], 0, 255));
        EXPECT_EQ((image[16 + k] >> 2 & 1) != 0, config.slotEnable[k]);
        EXPECT_EQ((image[18 + k] >> 7 & 1) != 0, config.sendNmea[k]);
        EXPECT_EQ((image[38 + k] >> 1 & 1) != 0, config.packet300Baud[k]);
        EXPECT_EQ(image[38 + k] & 0xC0, 0);

        EXPECT_EQ(image[24 + k], pos);
        pos += (config.smartBeaconing[k] ? 10 : 0) + (config.slotEnable[k] ? 2 : 0);
        if (k == 1 && shareList) {
            EXPECT_EQ(image[1], image[0]);
            continue;
        }
        EXPECT_EQ(image[k], pos);
        const std::size_t available = splitPath(text(config.digiPath[k])).size();
        std::size_t written = 0;
        while ((image[pos + 7 * written + 6] & 1) == 0) {
            ++written;
        }
        EXPECT_TRUE(written == available || (pathWarned && written < available));
        pos += 7 * static_cast<int>(written + 1);
        EXPECT_EQ(image[pos], 0x03);
        EXPECT_EQ(image[pos + 1], 0xF0);
        pos += 3;
    }
    EXPECT_LE(pos + 6, 127);
    EXPECT_EQ(image[40], pos);

    TrackerConfig decoded = config;
    decoded.calibrationChanged = true;
    ASSERT_TRUE(presenter(decoded.decodeImage(image)));
    EXPECT_FALSE(decoded.calibrationChanged);
    EXPECT_EQ(decoded.activeProfile, config.activeProfile);
    EXPECT_EQ(decoded.calibration, config.calibration & 0xFF);
    for (int k = 0; k < kProfileCount; ++k) {
        EXPECT_EQ(text(decoded.callsign[k]), formatCallsign(text(config.callsign[k])));
        if (!pathWarned) {
            std::vector<std::string> elements;
            for (const CallsignAddress& a : splitPath(text(config.digiPath[k]))) {
                elements.push_back(elementText(a));
            }
            EXPECT_EQ(text(decoded.digiPath[k]), joinPath(elements, 99));
        }
        const std::string status = text(decoded.statusText[k]);
        EXPECT_EQ(text(config.statusText[k]).substr(0, status.size()), status);
        const float mhz = config.frequencyMHz[k];
        if (mhz >= 144.0f && mhz <= 148.0f) {
            EXPECT_NEAR(decoded.frequencyMHz[k], mhz, 0.0026);
        }
        EXPECT_EQ(decoded.micEPath[k], config.micEPath[k] & 0xFF);
        EXPECT_EQ(decoded.transmitRate[k], config.transmitRate[k] & 0xFFFF);
        const auto code = static_cast<signed char>(config.symbolCode[k]);
        EXPECT_EQ(decoded.symbolCode[k], code < 32 ? '-' : config.symbolCode[k]);
        for (auto flag : {&TrackerConfig::slotDivides600, &TrackerConfig::timestampHms,
                          &TrackerConfig::gps9600, &TrackerConfig::micEEnable}) {
            EXPECT_EQ((decoded.*flag)[k], (config.*flag)[k]);
        }
        const std::int32_t ms = config.delay2Ms[k];
        if (!config.packet300Baud[k] && ms >= 0 && ms <= 1690) {
            EXPECT_NEAR(decoded.delay2Ms[k], ms, 6.7);  // within one byte time
        }
        if (config.smartBeaconing[k]) {
            EXPECT_EQ(decoded.sbSlowRate[k], config.sbSlowRate[k] & 0xFFFF);
            EXPECT_EQ(decoded.sbTurnTime[k], config.sbTurnTime[k] & 0xFF);
        } else {
            EXPECT_EQ(decoded.sbSlowRate[k], config.sbSlowRate[k]);
        }
    }
}

TEST(ImagePropertyTest, RandomRecordsEncodeAndDecodeAsLaidDown) {
    RandomRecords records(20261207);
    for (int i = 0; i < 3000; ++i) {
        SCOPED_TRACE(i);
        checkRoundTrip(records.next());
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
}

TEST(ImagePropertyTest, RandomImagesDecodeIntoTerminatedFields) {
    std::mt19937 rng(7);
    for (int i = 0; i < 3000; ++i) {
        ConfigImage image;
        for (auto& byte : image) {
            byte = static_cast<std::uint8_t>(rng());
        }
        TrackerConfig config;
        ASSERT_TRUE(config.decodeImage(image));
        for (int k = 0; k < kProfileCount; ++k) {
            EXPECT_LE(std::strlen(config.callsign[k].data()), 9u);
            EXPECT_LE(std::strlen(config.digiPath[k].data()), 99u);
            EXPECT_LE(std::strlen(config.statusText[k].data()), 128u);
        }
        checkRoundTrip(config);
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
}

}  // namespace
}  // namespace qz5
