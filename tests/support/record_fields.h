#pragma once

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "config/tracker_config.h"

namespace qz5::testing {

// Calls visit(name, member pointer) for every field of the record, in
// declared order.
template <typename Visit>
void forEachField(Visit visit) {
    visit("activeProfile", &TrackerConfig::activeProfile);
    visit("callsign", &TrackerConfig::callsign);
    visit("digiPath", &TrackerConfig::digiPath);
    visit("statusText", &TrackerConfig::statusText);
    visit("calibration", &TrackerConfig::calibration);
    visit("delay1Ms", &TrackerConfig::delay1Ms);
    visit("delay2Ms", &TrackerConfig::delay2Ms);
    visit("micEStatus", &TrackerConfig::micEStatus);
    visit("micEPath", &TrackerConfig::micEPath);
    visit("symbolCode", &TrackerConfig::symbolCode);
    visit("symbolTable", &TrackerConfig::symbolTable);
    visit("auxCount", &TrackerConfig::auxCount);
    visit("transmitRate", &TrackerConfig::transmitRate);
    visit("altRateSeconds", &TrackerConfig::altRateSeconds);
    visit("slotSeconds", &TrackerConfig::slotSeconds);
    visit("sbLowSpeed", &TrackerConfig::sbLowSpeed);
    visit("sbHighSpeed", &TrackerConfig::sbHighSpeed);
    visit("sbSlowRate", &TrackerConfig::sbSlowRate);
    visit("sbFastRate", &TrackerConfig::sbFastRate);
    visit("sbTurnAngle", &TrackerConfig::sbTurnAngle);
    visit("sbTurnSlope", &TrackerConfig::sbTurnSlope);
    visit("sbTurnTime", &TrackerConfig::sbTurnTime);
    visit("delay3Ms", &TrackerConfig::delay3Ms);
    visit("auxValue", &TrackerConfig::auxValue);
    visit("frequencyMHz", &TrackerConfig::frequencyMHz);
    visit("forcePrintable", &TrackerConfig::forcePrintable);
    visit("onlySendValid", &TrackerConfig::onlySendValid);
    visit("slotEnable", &TrackerConfig::slotEnable);
    visit("slotDivides60", &TrackerConfig::slotDivides60);
    visit("slotDivides600", &TrackerConfig::slotDivides600);
    visit("smartBeaconing", &TrackerConfig::smartBeaconing);
    visit("sendAltitude", &TrackerConfig::sendAltitude);
    visit("micEEnable", &TrackerConfig::micEEnable);
    visit("auxEnable", &TrackerConfig::auxEnable);
    visit("timestamp", &TrackerConfig::timestamp);
    visit("allowTtlSerial", &TrackerConfig::allowTtlSerial);
    visit("alternateDigiPaths", &TrackerConfig::alternateDigiPaths);
    visit("invertCdIn", &TrackerConfig::invertCdIn);
    visit("timestampHms", &TrackerConfig::timestampHms);
    visit("noTxOnPttIn", &TrackerConfig::noTxOnPttIn);
    visit("sendNmea", &TrackerConfig::sendNmea);
    visit("sendSeparate", &TrackerConfig::sendSeparate);
    visit("packet300Baud", &TrackerConfig::packet300Baud);
    visit("noGreaterThan", &TrackerConfig::noGreaterThan);
    visit("serialOutHigh", &TrackerConfig::serialOutHigh);
    visit("skipStartPacket", &TrackerConfig::skipStartPacket);
    visit("gps9600", &TrackerConfig::gps9600);
    visit("calibrationChanged", &TrackerConfig::calibrationChanged);
}

// Frequencies compare by their bits, so that NaN equals itself.
template <typename T>
bool sameValue(const T& x, const T& y) {
    if constexpr (std::is_same_v<T, PerProfile<float>> || std::is_same_v<T, float>) {
        return std::memcmp(&x, &y, sizeof x) == 0;
    } else {
        return x == y;
    }
}

// Names of the record's fields that differ, in declared order.
inline std::vector<std::string> differingFields(const TrackerConfig& a, const TrackerConfig& b) {
    std::vector<std::string> names;
    forEachField([&](const char* name, auto member) {
        if (!sameValue(a.*member, b.*member)) {
            names.push_back(name);
        }
    });
    return names;
}

template <typename T>
constexpr bool kIsPerProfile = false;
template <typename T>
constexpr bool kIsPerProfile<PerProfile<T>> = true;

// Names of the per-profile fields whose Primary and Secondary values differ.
inline std::vector<std::string> fieldsDifferingBetweenProfiles(const TrackerConfig& config) {
    std::vector<std::string> names;
    forEachField([&](const char* name, auto member) {
        const auto& field = config.*member;
        if constexpr (kIsPerProfile<std::decay_t<decltype(field)>>) {
            if (!sameValue(field[0], field[1])) {
                names.push_back(name);
            }
        }
    });
    return names;
}

}  // namespace qz5::testing
