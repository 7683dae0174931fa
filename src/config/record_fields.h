#pragma once

#include "config/tracker_config.h"

namespace qz5 {

// The record's fields with the names that the JSON form, comparisons and the
// window use for them: one list, so the printed, the accepted and the compared
// forms cannot drift apart.

// Values kept once for both profiles.
template <typename Visit>
void forEachSharedField(Visit&& visit) {
    visit("activeProfile", &TrackerConfig::activeProfile);
    visit("calibration", &TrackerConfig::calibration);
    visit("calibrationChanged", &TrackerConfig::calibrationChanged);
}

// Every per-profile field, in declared order.
template <typename Visit>
void forEachProfileField(Visit&& visit) {
    visit("callsign", &TrackerConfig::callsign);
    visit("digiPath", &TrackerConfig::digiPath);
    visit("statusText", &TrackerConfig::statusText);
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
}

}  // namespace qz5
