#pragma once

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "config/tracker_config.h"

namespace qz5::testing {

// Every field of the record, for comparing whole records.
#define QZ5_RECORD_FIELDS(X)                                                                    \
    X(activeProfile)                                                                            \
    X(callsign)                                                                                 \
    X(digiPath)                                                                                 \
    X(statusText)                                                                               \
    X(calibration)                                                                              \
    X(delay1Ms) X(delay2Ms) X(micEStatus) X(micEPath) X(symbolCode) X(symbolTable) X(auxCount)  \
        X(transmitRate) X(altRateSeconds) X(slotSeconds) X(sbLowSpeed) X(sbHighSpeed)           \
            X(sbSlowRate) X(sbFastRate) X(sbTurnAngle) X(sbTurnSlope) X(sbTurnTime) X(delay3Ms) \
                X(auxValue) X(frequencyMHz) X(forcePrintable) X(onlySendValid) X(slotEnable)    \
                    X(slotDivides60) X(slotDivides600) X(smartBeaconing) X(sendAltitude)        \
                        X(micEEnable) X(auxEnable) X(timestamp) X(allowTtlSerial)               \
                            X(alternateDigiPaths) X(invertCdIn) X(timestampHms) X(noTxOnPttIn)  \
                                X(sendNmea) X(sendSeparate) X(packet300Baud) X(noGreaterThan)   \
                                    X(serialOutHigh) X(skipStartPacket) X(gps9600)              \
                                        X(calibrationChanged)

// Names of the fields that differ; frequencies compare by their bits so that
// NaN equals itself.
inline std::vector<std::string> differingFields(const TrackerConfig& a, const TrackerConfig& b) {
    std::vector<std::string> names;
    auto same = [](const auto& x, const auto& y) {
        if constexpr (std::is_same_v<std::decay_t<decltype(x)>, PerProfile<float>>) {
            return std::memcmp(x.data(), y.data(), sizeof x) == 0;
        } else {
            return x == y;
        }
    };
#define QZ5_COMPARE_FIELD(name) \
    if (!same(a.name, b.name))  \
        names.push_back(#name);
    QZ5_RECORD_FIELDS(QZ5_COMPARE_FIELD)
#undef QZ5_COMPARE_FIELD
    return names;
}

}  // namespace qz5::testing
