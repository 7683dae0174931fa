// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "common/outcome.h"
#include "config/config_image.h"

namespace qz5 {

inline constexpr int kProfileCount = 2;  // 0 Primary, 1 Secondary
inline constexpr int kCallsignSize = 20;
inline constexpr int kDigiPathSize = 100;
inline constexpr int kStatusTextSize = 200;

// One value for each profile. The record numbers its profiles with int
// (activeProfile, a finding's profile), so an int indexes it as a size does.
template <typename T>
struct PerProfile : std::array<T, kProfileCount> {
    using std::array<T, kProfileCount>::operator[];
    constexpr T& operator[](int profile) {
        return std::array<T, kProfileCount>::operator[](static_cast<std::size_t>(profile));
    }
    constexpr const T& operator[](int profile) const {
        return std::array<T, kProfileCount>::operator[](static_cast<std::size_t>(profile));
    }
};

// The whole configuration of the tracker: two beacon profiles and a few shared
// values. Texts are NUL-terminated byte arrays whose last byte is never written.
// Everything that leaves the program goes through encodeImage/decodeImage.
class TrackerConfig {
  public:
    TrackerConfig();

    // Copy at most size-1 characters (stopping at a NUL) into the active
    // profile's field, NUL-padding the rest; the text is stored as typed.
    void setCallsign(std::string_view text);
    void setDigiPath(std::string_view text);
    void setStatusText(std::string_view text);
    // Keeps 144.0..148.0 inclusive; anything else, NaN included, becomes 144.39.
    void setFrequency(float mhz);

    // Record -> 128-byte image in image[0..127]; fails with "Bad EE Size" when
    // the buffer is smaller (the buffer is then untouched). Updates the derived
    // slot flags; a path or status text cut to fit comes back as a notice.
    Outcome<> encodeImage(std::span<std::uint8_t> image);
    // The encoding itself, telling which texts were cut instead of warning.
    EncodedImage encodeRecord();
    // Image -> record. Fails with "Bad EE Size %d\n" when the size is not 128,
    // leaving the record unchanged. Clears calibrationChanged.
    Outcome<> decodeImage(std::span<const std::uint8_t> image);

    std::int32_t activeProfile;
    PerProfile<std::array<char, kCallsignSize>> callsign;
    PerProfile<std::array<char, kDigiPathSize>> digiPath;
    PerProfile<std::array<char, kStatusTextSize>> statusText;
    std::int32_t calibration;
    PerProfile<std::int32_t> delay1Ms;
    PerProfile<std::int32_t> delay2Ms;
    PerProfile<std::int32_t> micEStatus;
    PerProfile<std::int32_t> micEPath;
    PerProfile<char> symbolCode;
    PerProfile<char> symbolTable;
    PerProfile<std::int32_t> auxCount;
    PerProfile<std::int32_t> transmitRate;
    PerProfile<std::int32_t> altRateSeconds;
    PerProfile<std::int32_t> slotSeconds;
    PerProfile<std::int32_t> sbLowSpeed;
    PerProfile<std::int32_t> sbHighSpeed;
    PerProfile<std::int32_t> sbSlowRate;
    PerProfile<std::int32_t> sbFastRate;
    PerProfile<std::int32_t> sbTurnAngle;
    PerProfile<std::int32_t> sbTurnSlope;
    PerProfile<std::int32_t> sbTurnTime;
    PerProfile<std::int32_t> delay3Ms;
    PerProfile<std::int32_t> auxValue;
    PerProfile<float> frequencyMHz;
    PerProfile<bool> forcePrintable;
    PerProfile<bool> onlySendValid;
    PerProfile<bool> slotEnable;
    PerProfile<bool> slotDivides60;
    PerProfile<bool> slotDivides600;
    PerProfile<bool> smartBeaconing;
    PerProfile<bool> sendAltitude;
    PerProfile<bool> micEEnable;
    PerProfile<bool> auxEnable;
    PerProfile<bool> timestamp;
    PerProfile<bool> allowTtlSerial;
    PerProfile<bool> alternateDigiPaths;
    PerProfile<bool> invertCdIn;
    PerProfile<bool> timestampHms;
    PerProfile<bool> noTxOnPttIn;
    PerProfile<bool> sendNmea;
    PerProfile<bool> sendSeparate;
    PerProfile<bool> packet300Baud;
    PerProfile<bool> noGreaterThan;
    PerProfile<bool> serialOutHigh;
    PerProfile<bool> skipStartPacket;
    PerProfile<bool> gps9600;
    bool calibrationChanged;
};

// Signed clamp used when scaling values into one byte.
constexpr std::int32_t clamp(std::int32_t value, std::int32_t lo, std::int32_t hi) {
    return std::clamp(value, lo, hi);
}

// The record as the tracker keeps it: what its image decodes back to.
TrackerConfig keptByTracker(TrackerConfig record);

}  // namespace qz5
