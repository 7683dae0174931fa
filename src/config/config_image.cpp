// SPDX-License-Identifier: GPL-3.0-or-later
// The tracker's configuration image: 128 bytes, a 42-byte header and a data
// area (bytes 42..127) of blocks that header bytes locate by one-byte offsets.
//
// Header. Pairs "n, n+1" hold profile 0 (Primary) at n and profile 1
// (Secondary) at n+1. 16-bit values are split: both low bytes, then both high.
//
//   0, 1   offset of the address block (1 == 0 when shared)
//   2      calibration & 0xFF
//   3      copy of byte 2 (ignored when decoding)
//   4, 5   delay1Ms as a byte-time count      } +3 ms, x0.15001501 (1200 baud)
//   6, 7   delay2Ms as a byte-time count      } +13 ms, x0.037500937 (300 baud)
//   8, 9   transmitRate bits 0-7
//  10, 11  transmitRate bits 8-15
//  12, 13  altRateSeconds bits 0-7
//  14, 15  altRateSeconds bits 8-15
//  16, 17  flagsA                              (bits below)
//  18, 19  flagsB
//  20, 21  auxCount & 0xFF
//  22, 23  offset of the status text (23 == 22 when shared)
//  24, 25  offset of the rate blocks: the data position reached when the
//          profile's rate blocks begin, written even when it has none
//  26, 27  micEStatus & 0xFF
//  28, 29  micEPath & 0xFF
//  30, 31  symbolCode byte (decoded: a signed value below 32 becomes '-')
//  32, 33  symbolTable byte (decoded: a signed value below 32 becomes '/')
//  34, 35  delay3Ms in units of 26.3 ms (+13 ms, x0.038022816)
//  36, 37  auxValue clamped to 0..255
//  38, 39  flagsC
//  40, 41  offset of the frequency text (41 == 40 when shared)
//
// Counts: (value + offset) x factor + 0.5 in double with float constants,
// truncated toward zero, clamped to 0..255. Decoding: count x 6.666, 26.666 or
// 26.3 + 0.5, truncated, unclamped.
//
// Flag bits, bit 0 first:
//   flagsA  forcePrintable onlySendValid slotEnable slotDivides60
//           slotDivides600 smartBeaconing sendAltitude micEEnable
//   flagsB  auxEnable timestamp allowTtlSerial alternateDigiPaths invertCdIn
//           timestampHms noTxOnPttIn sendNmea
//   flagsC  sendSeparate packet300Baud noGreaterThan serialOutHigh
//           skipStartPacket gps9600, bits 6 and 7 always 0
//
// Blocks (16-bit values low byte first):
//   SmartBeaconing, 10 bytes, when smartBeaconing: sbLowSpeed(1) sbHighSpeed(1)
//     sbSlowRate(2) sbFastRate(2) sbTurnAngle(1) sbTurnSlope(2) sbTurnTime(1),
//     low bits only, never clamped.
//   Slot, 2 bytes, when slotEnable: transmitRate - slotSeconds + 1. Encoding
//     first sets slotDivides60/600 from 60 and 600 modulo a non-zero rate.
//     Decoding reads it at the rate-block offset itself, even behind a
//     SmartBeaconing block.
//   Address list, 7 x (1 + path elements) + 3: the station's address, one per
//     path element, then 03 F0 00. An address is six base characters << 1 and
//     the SSID byte (SSID | 0x30) << 1; bit 0 of the last SSID byte ends the
//     list. Decoding reads SSID ((s >> 1) & 0xCF), so a set bit 7 gives no SSID.
//   Frequency, 6 bytes: five ASCII digits of (MHz x 200 + 0.5) and a NUL;
//     decoded as digits x 0.005.
//   Status text: the text and a NUL, cut so that byte 127 holds at most a NUL.
//
// Order from byte 42: profile 0 [SmartBeaconing][slot] address list; profile 1
// [SmartBeaconing][slot] address list unless shared; frequency 0, frequency 1
// unless shared; status 0, status 1 unless shared. Only profile 1 shares, and
// only with profile 0: the address list when both raw callsign texts and both
// raw path texts are equal (case counts), the frequency when both floats are
// equal, the status when both texts are equal. The rest of the image is 0.
//
// Paths too long for the image: trailing path elements are left out until
// every block but the status texts ends by byte 126, so that byte 127 always
// remains for a status text's NUL and every offset points inside the image.
// The path with more elements loses one first; on a tie, the Secondary's. A
// shared address list counts once, as the Primary's.
//
// Decoding never reads outside the image (a byte at 128 or beyond reads as 0):
// an address list without its end bit stops at the last whole address inside
// the image, a status text without its NUL stops at byte 127, and a path stops
// before the element that would make it longer than its field holds.

#include <algorithm>
#include <string>
#include <vector>

#include "config/address_codec.h"
#include "config/config_image.h"
#include "config/image_scaling.h"
#include "config/text_field.h"
#include "config/tracker_config.h"

namespace qz5 {
namespace {

enum HeaderEntry : int {
    kAddressOffset = 0,
    kCalibration = 2,
    kDelay1Count = kDelay1CountEntry,
    kDelay2Count = kDelay2CountEntry,
    kTransmitRateLo = 8,
    kTransmitRateHi = 10,
    kAltRateLo = 12,
    kAltRateHi = 14,
    kFlagsA = 16,
    kFlagsB = 18,
    kAuxCount = 20,
    kStatusOffset = 22,
    kRateBlockOffset = 24,
    kMicEStatus = 26,
    kMicEPath = 28,
    kSymbolCode = 30,
    kSymbolTable = 32,
    kDelay3Count = kDelay3CountEntry,
    kAuxValue = 36,
    kFlagsC = 38,
    kFrequencyOffset = 40,
    kDataStart = 42,
};

constexpr int kLastByte = kImageSize - 1;
constexpr int kSmartBeaconingSize = 10;
constexpr int kSlotSize = 2;
constexpr int kFrequencySize = static_cast<int>(kFrequencyDigits) + 1;
constexpr std::array<std::uint8_t, 3> kListTrailer = {0x03, 0xF0, 0x00};

using Flag = PerProfile<bool> TrackerConfig::*;
constexpr std::array<Flag, 8> kFlagsABits = {
    &TrackerConfig::forcePrintable, &TrackerConfig::onlySendValid,  &TrackerConfig::slotEnable,
    &TrackerConfig::slotDivides60,  &TrackerConfig::slotDivides600, &TrackerConfig::smartBeaconing,
    &TrackerConfig::sendAltitude,   &TrackerConfig::micEEnable};
constexpr std::array<Flag, 8> kFlagsBBits = {
    &TrackerConfig::auxEnable,          &TrackerConfig::timestamp,  &TrackerConfig::allowTtlSerial,
    &TrackerConfig::alternateDigiPaths, &TrackerConfig::invertCdIn, &TrackerConfig::timestampHms,
    &TrackerConfig::noTxOnPttIn,        &TrackerConfig::sendNmea};
constexpr std::array<Flag, 6> kFlagsCBits = {
    &TrackerConfig::sendSeparate,  &TrackerConfig::packet300Baud,   &TrackerConfig::noGreaterThan,
    &TrackerConfig::serialOutHigh, &TrackerConfig::skipStartPacket, &TrackerConfig::gps9600};

template <std::size_t N>
std::uint8_t packFlags(const TrackerConfig& config, const std::array<Flag, N>& bits,
                       std::size_t k) {
    std::uint8_t byte = 0;
    for (std::size_t bit = 0; bit < N; ++bit) {
        if ((config.*bits[bit])[k]) {
            byte = static_cast<std::uint8_t>(byte | (1u << bit));
        }
    }
    return byte;
}

template <std::size_t N>
void unpackFlags(TrackerConfig& config, const std::array<Flag, N>& bits, std::size_t k,
                 std::uint8_t byte) {
    for (std::size_t bit = 0; bit < N; ++bit) {
        (config.*bits[bit])[k] = ((static_cast<unsigned>(byte) >> bit) & 1u) != 0;
    }
}

struct BlockField {
    PerProfile<std::int32_t> TrackerConfig::*field;
    int width;
};
constexpr std::array<BlockField, 7> kSmartBeaconingFields = {{
    {&TrackerConfig::sbLowSpeed, 1},
    {&TrackerConfig::sbHighSpeed, 1},
    {&TrackerConfig::sbSlowRate, 2},
    {&TrackerConfig::sbFastRate, 2},
    {&TrackerConfig::sbTurnAngle, 1},
    {&TrackerConfig::sbTurnSlope, 2},
    {&TrackerConfig::sbTurnTime, 1},
}};

std::uint8_t lowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
std::uint8_t highByte(std::int32_t value) {
    return static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// Bytes laid down back to back from the start of the data area.
class DataWriter {
  public:
    explicit DataWriter(ConfigImage& image) : image_(image) {}
    int pos() const { return pos_; }
    void put(std::uint8_t byte) { image_[static_cast<std::size_t>(pos_++)] = byte; }
    template <typename Bytes>
    void putAll(const Bytes& bytes) {
        for (auto byte : bytes) {
            put(static_cast<std::uint8_t>(byte));  // a text goes as its bytes
        }
    }
    void put16(std::int32_t value) {
        put(lowByte(value));
        put(highByte(value));
    }
    // Status texts are cut so that byte 127 holds nothing but a NUL; true
    // when characters were dropped.
    bool putStatus(std::string_view status) {
        const std::size_t room = static_cast<std::size_t>(std::max(0, kLastByte - pos_));
        const std::size_t kept = std::min(status.size(), room);
        putAll(status.substr(0, kept));
        if (pos_ < kLastByte) {
            ++pos_;  // the image is cleared, so the NUL is already there
        }
        return kept < status.size();
    }

  private:
    ConfigImage& image_;
    int pos_ = kDataStart;
};

struct ImagePlan {
    bool shareAddress;
    bool shareFrequency;
    bool shareStatus;
    PerProfile<std::vector<CallsignAddress>> paths;
    bool pathsCut = false;
};

int rateBlockSize(const TrackerConfig& config, std::size_t k) {
    return (config.smartBeaconing[k] ? kSmartBeaconingSize : 0) +
           (config.slotEnable[k] ? kSlotSize : 0);
}

int listSize(std::size_t elements) {
    return kAddressSize * static_cast<int>(1 + elements) + static_cast<int>(kListTrailer.size());
}

// Leaves out trailing path elements until all blocks but the status texts end
// by byte 126.
void fitPaths(const TrackerConfig& config, ImagePlan& plan) {
    const int ownLists = plan.shareAddress ? 1 : kProfileCount;
    auto blocksEnd = [&] {
        int end = kDataStart + kFrequencySize * (plan.shareFrequency ? 1 : 2);
        for (std::size_t k = 0; k < kProfileCount; ++k) {
            end += rateBlockSize(config, k);
        }
        for (int k = 0; k < ownLists; ++k) {
            end += listSize(plan.paths[k].size());
        }
        return end;
    };
    while (blocksEnd() > kLastByte) {
        const int k = (ownLists == 2 && plan.paths[1].size() >= plan.paths[0].size()) ? 1 : 0;
        plan.paths[k].pop_back();
        plan.pathsCut = true;
    }
}

}  // namespace

Outcome<> TrackerConfig::encodeImage(std::span<std::uint8_t> out) {
    if (out.size() < kImageSize) {
        return Failure{FailureKind::BadSize, {say("Image", "Bad EE Size")}};
    }
    const EncodedImage encoded = encodeRecord();
    std::copy(encoded.image.begin(), encoded.image.end(), out.begin());
    Outcome<> done;
    if (encoded.pathsCut) {
        done.notice({say("Image",
                         "The Primary or Secondary digipeater path is too long and has been "
                         "truncated."),
                     say("Image", "Digipeater Path Truncated")});
    }
    if (encoded.statusCut) {
        done.notice(
            {say("Image",
                 "The Primary or Secondary Status Beacon text is too long and has been "
                 "tuncated.  To have a longer status beacon text, use fewer digipeaters, and "
                 "make the primary and secondary callsigns, digipeaters, or status texts "
                 "identical."),
             say("Image", "Status Beacon Text Truncated")});
    }
    return done;
}

EncodedImage TrackerConfig::encodeRecord() {
    ImagePlan plan{
        .shareAddress = fieldText(callsign[0]) == fieldText(callsign[1]) &&
                        fieldText(digiPath[0]) == fieldText(digiPath[1]),
        .shareFrequency = frequencyMHz[0] == frequencyMHz[1],
        .shareStatus = fieldText(statusText[0]) == fieldText(statusText[1]),
        .paths = {splitPath(fieldText(digiPath[0])), splitPath(fieldText(digiPath[1]))},
    };
    fitPaths(*this, plan);

    ConfigImage image{};
    DataWriter data(image);
    for (std::size_t k = 0; k < kProfileCount; ++k) {
        image[kCalibration + k] = lowByte(calibration);
        image[kDelay1Count + k] = delayToCount(delay1Ms[k], packet300Baud[k]);
        image[kDelay2Count + k] = delayToCount(delay2Ms[k], packet300Baud[k]);
        image[kTransmitRateLo + k] = lowByte(transmitRate[k]);
        image[kTransmitRateHi + k] = highByte(transmitRate[k]);
        image[kAltRateLo + k] = lowByte(altRateSeconds[k]);
        image[kAltRateHi + k] = highByte(altRateSeconds[k]);
        image[kAuxCount + k] = lowByte(auxCount[k]);
        image[kMicEStatus + k] = lowByte(micEStatus[k]);
        image[kMicEPath + k] = lowByte(micEPath[k]);
        image[kSymbolCode + k] = static_cast<std::uint8_t>(symbolCode[k]);
        image[kSymbolTable + k] = static_cast<std::uint8_t>(symbolTable[k]);
        image[kDelay3Count + k] = delay3ToCount(delay3Ms[k]);
        image[kAuxValue + k] = static_cast<std::uint8_t>(clamp(auxValue[k], 0, 255));

        image[kRateBlockOffset + k] = static_cast<std::uint8_t>(data.pos());
        if (smartBeaconing[k]) {
            for (const BlockField& entry : kSmartBeaconingFields) {
                const std::int32_t value = (this->*entry.field)[k];
                if (entry.width == 1) {
                    data.put(lowByte(value));
                } else {
                    data.put16(value);
                }
            }
        }
        if (slotEnable[k]) {
            // Unsigned, so extreme record values wrap instead of overflowing.
            data.put16(static_cast<std::int32_t>(static_cast<std::uint32_t>(transmitRate[k]) -
                                                 static_cast<std::uint32_t>(slotSeconds[k]) + 1u));
            if (transmitRate[k] != 0) {
                slotDivides60[k] = 60 % transmitRate[k] == 0;
                slotDivides600[k] = 600 % transmitRate[k] == 0;
            }
        }
        image[kFlagsA + k] = packFlags(*this, kFlagsABits, k);
        image[kFlagsB + k] = packFlags(*this, kFlagsBBits, k);
        image[kFlagsC + k] = packFlags(*this, kFlagsCBits, k);

        if (k == 1 && plan.shareAddress) {
            image[kAddressOffset + 1] = image[kAddressOffset];
            continue;
        }
        image[kAddressOffset + k] = static_cast<std::uint8_t>(data.pos());
        std::vector<AddressBytes> list{encodeAddress(normaliseCallsign(fieldText(callsign[k])))};
        for (const CallsignAddress& element : plan.paths[k]) {
            list.push_back(encodeAddress(element));
        }
        list.back()[kAddressSize - 1] |= 1;
        for (const AddressBytes& address : list) {
            data.putAll(address);
        }
        data.putAll(kListTrailer);
    }

    for (std::size_t k = 0; k < kProfileCount; ++k) {
        if (k == 1 && plan.shareFrequency) {
            image[kFrequencyOffset + 1] = image[kFrequencyOffset];
            continue;
        }
        image[kFrequencyOffset + k] = static_cast<std::uint8_t>(data.pos());
        data.putAll(frequencyToDigits(frequencyMHz[k]));
        data.put(0);
    }

    bool statusCut = false;
    for (std::size_t k = 0; k < kProfileCount; ++k) {
        if (k == 1 && plan.shareStatus) {
            image[kStatusOffset + 1] = image[kStatusOffset];
            continue;
        }
        image[kStatusOffset + k] = static_cast<std::uint8_t>(data.pos());
        statusCut = data.putStatus(fieldText(statusText[k])) || statusCut;
    }

    return {image, plan.pathsCut, statusCut};
}

Outcome<> TrackerConfig::decodeImage(std::span<const std::uint8_t> image) {
    if (image.size() != kImageSize) {
        return Failure{FailureKind::BadSize,
                       {say("Image", "Bad EE Size %1\n").with(std::to_string(image.size()))}};
    }
    auto at = [&](std::size_t pos) -> std::uint8_t { return pos < kImageSize ? image[pos] : 0; };
    auto addressAt = [&](std::size_t pos) {
        AddressBytes bytes;
        for (std::size_t i = 0; i < kAddressSize; ++i) {
            bytes[i] = at(pos + i);
        }
        return bytes;
    };
    auto at16 = [&](std::size_t pos) { return at(pos) + 256 * at(pos + 1); };

    calibration = image[kCalibration];
    for (std::size_t k = 0; k < kProfileCount; ++k) {
        std::size_t pos = image[kAddressOffset + k];
        const AddressBytes station = addressAt(pos);
        storeText(callsign[k], addressText(station));
        std::vector<std::string> path;
        bool last = isLastAddress(station);
        for (pos += kAddressSize; !last && pos + kAddressSize <= kImageSize; pos += kAddressSize) {
            const AddressBytes element = addressAt(pos);
            path.push_back(addressText(element));
            last = isLastAddress(element);
        }
        storeText(digiPath[k], joinPath(path, kDigiPathSize - 1));

        std::array<std::uint8_t, kFrequencyDigits> digits;
        for (std::size_t i = 0; i < kFrequencyDigits; ++i) {
            digits[i] = at(image[kFrequencyOffset + k] + i);
        }
        frequencyMHz[k] = frequencyFromDigits(digits);

        std::string status;
        for (std::size_t p = image[kStatusOffset + k]; at(p) != 0; ++p) {
            status += static_cast<char>(at(p));
        }
        storeText(statusText[k], status);

        micEStatus[k] = image[kMicEStatus + k];
        micEPath[k] = image[kMicEPath + k];
        auxCount[k] = image[kAuxCount + k];
        auxValue[k] = image[kAuxValue + k];
        transmitRate[k] = image[kTransmitRateLo + k] + 256 * image[kTransmitRateHi + k];
        altRateSeconds[k] = image[kAltRateLo + k] + 256 * image[kAltRateHi + k];
        delay3Ms[k] = delay3FromCount(image[kDelay3Count + k]);

        const auto code = static_cast<signed char>(image[kSymbolCode + k]);
        const auto table = static_cast<signed char>(image[kSymbolTable + k]);
        symbolCode[k] = code < 32 ? '-' : static_cast<char>(code);
        symbolTable[k] = table < 32 ? '/' : static_cast<char>(table);

        unpackFlags(*this, kFlagsABits, k, image[kFlagsA + k]);
        unpackFlags(*this, kFlagsBBits, k, image[kFlagsB + k]);
        unpackFlags(*this, kFlagsCBits, k, image[kFlagsC + k]);

        delay1Ms[k] = delayFromCount(image[kDelay1Count + k], packet300Baud[k]);
        delay2Ms[k] = delayFromCount(image[kDelay2Count + k], packet300Baud[k]);

        const std::size_t rateBlock = image[kRateBlockOffset + k];
        if (smartBeaconing[k]) {
            std::size_t p = rateBlock;
            for (const BlockField& entry : kSmartBeaconingFields) {
                (this->*entry.field)[k] = entry.width == 1 ? at(p) : at16(p);
                p += static_cast<std::size_t>(entry.width);
            }
        }
        if (slotEnable[k]) {
            slotSeconds[k] = transmitRate[k] - at16(rateBlock) + 1;
        }
    }
    calibrationChanged = false;
    return {};
}

TrackerConfig keptByTracker(TrackerConfig record) {
    const EncodedImage encoded = record.encodeRecord();
    static_cast<void>(record.decodeImage(encoded.image));  // a whole image always decodes
    return record;
}

}  // namespace qz5
