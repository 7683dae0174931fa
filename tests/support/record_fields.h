#pragma once

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "config/tracker_config.h"

namespace qz5::testing {

// Names of the record's fields that differ, in declared order; frequencies
// compare by their bits so that NaN equals itself.
inline std::vector<std::string> differingFields(const TrackerConfig& a, const TrackerConfig& b) {
    std::vector<std::string> names;
    auto check = [&](const char* name, auto member) {
        const auto& x = a.*member;
        const auto& y = b.*member;
        bool same = false;
        if constexpr (std::is_same_v<std::decay_t<decltype(x)>, PerProfile<float>>) {
            same = std::memcmp(x.data(), y.data(), sizeof x) == 0;
        } else {
            same = x == y;
        }
        if (!same) {
            names.push_back(name);
        }
    };
    check("activeProfile", &TrackerConfig::activeProfile);
    check("callsign", &TrackerConfig::callsign);
    check("digiPath", &TrackerConfig::digiPath);
    check("statusText", &TrackerConfig::statusText);
    check("calibration", &TrackerConfig::calibration);
    check("delay1Ms", &TrackerConfig::delay1Ms);
    check("delay2Ms", &TrackerConfig::delay2Ms);
    check("micEStatus", &TrackerConfig::micEStatus);
    check("micEPath", &TrackerConfig::micEPath);
    check("symbolCode", &TrackerConfig::symbolCode);
    check("symbolTable", &TrackerConfig::symbolTable);
    check("auxCount", &TrackerConfig::auxCount);
    check("transmitRate", &TrackerConfig::transmitRate);
    check("altRateSeconds", &TrackerConfig::altRateSeconds);
    check("slotSeconds", &TrackerConfig::slotSeconds);
    check("sbLowSpeed", &TrackerConfig::sbLowSpeed);
    check("sbHighSpeed", &TrackerConfig::sbHighSpeed);
    check("sbSlowRate", &TrackerConfig::sbSlowRate);
    check("sbFastRate", &TrackerConfig::sbFastRate);
    check("sbTurnAngle", &TrackerConfig::sbTurnAngle);
    check("sbTurnSlope", &TrackerConfig::sbTurnSlope);
    check("sbTurnTime", &TrackerConfig::sbTurnTime);
    check("delay3Ms", &TrackerConfig::delay3Ms);
    check("auxValue", &TrackerConfig::auxValue);
    check("frequencyMHz", &TrackerConfig::frequencyMHz);
    check("forcePrintable", &TrackerConfig::forcePrintable);
    check("onlySendValid", &TrackerConfig::onlySendValid);
    check("slotEnable", &TrackerConfig::slotEnable);
    check("slotDivides60", &TrackerConfig::slotDivides60);
    check("slotDivides600", &TrackerConfig::slotDivides600);
    check("smartBeaconing", &TrackerConfig::smartBeaconing);
    check("sendAltitude", &TrackerConfig::sendAltitude);
    check("micEEnable", &TrackerConfig::micEEnable);
    check("auxEnable", &TrackerConfig::auxEnable);
    check("timestamp", &TrackerConfig::timestamp);
    check("allowTtlSerial", &TrackerConfig::allowTtlSerial);
    check("alternateDigiPaths", &TrackerConfig::alternateDigiPaths);
    check("invertCdIn", &TrackerConfig::invertCdIn);
    check("timestampHms", &TrackerConfig::timestampHms);
    check("noTxOnPttIn", &TrackerConfig::noTxOnPttIn);
    check("sendNmea", &TrackerConfig::sendNmea);
    check("sendSeparate", &TrackerConfig::sendSeparate);
    check("packet300Baud", &TrackerConfig::packet300Baud);
    check("noGreaterThan", &TrackerConfig::noGreaterThan);
    check("serialOutHigh", &TrackerConfig::serialOutHigh);
    check("skipStartPacket", &TrackerConfig::skipStartPacket);
    check("gps9600", &TrackerConfig::gps9600);
    check("calibrationChanged", &TrackerConfig::calibrationChanged);
    return names;
}

}  // namespace qz5::testing
