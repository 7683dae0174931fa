// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/tracker_config.h"

#include "config/text_field.h"

namespace qz5 {
namespace {

constexpr float kPrimaryFrequency = 144.39f;
constexpr float kSecondaryFrequency = 144.34f;

}  // namespace

TrackerConfig::TrackerConfig()
    : activeProfile(0),
      callsign{},
      digiPath{},
      statusText{},
      calibration(128),
      delay1Ms{500, 500},
      delay2Ms{125, 125},
      micEStatus{1, 1},
      micEPath{0, 0},
      symbolCode{'[', '['},
      symbolTable{'/', '/'},
      auxCount{3, 3},
      transmitRate{120, 120},
      altRateSeconds{30, 30},
      slotSeconds{15, 15},
      sbLowSpeed{5, 5},
      sbHighSpeed{65, 65},
      sbSlowRate{1800, 1800},
      sbFastRate{90, 90},
      sbTurnAngle{27, 27},
      sbTurnSlope{255, 255},
      sbTurnTime{5, 5},
      delay3Ms{500, 500},
      auxValue{5, 5},
      frequencyMHz{kPrimaryFrequency, kSecondaryFrequency},
      forcePrintable{false, false},
      onlySendValid{true, true},
      slotEnable{false, false},
      slotDivides60{false, false},
      slotDivides600{false, false},
      smartBeaconing{false, false},
      sendAltitude{true, true},
      micEEnable{true, true},
      auxEnable{true, true},
      timestamp{false, false},
      allowTtlSerial{false, false},
      alternateDigiPaths{false, false},
      invertCdIn{false, false},
      timestampHms{false, false},
      noTxOnPttIn{true, true},
      sendNmea{false, false},
      sendSeparate{false, false},
      packet300Baud{false, false},
      noGreaterThan{false, false},
      serialOutHigh{false, false},
      skipStartPacket{false, false},
      gps9600{false, false},
      calibrationChanged(false) {
    for (int k = 0; k < kProfileCount; ++k) {
        storeText(callsign[k], "NOCALL");
        storeText(digiPath[k], "WIDE1-1,WIDE2-1");
        storeText(statusText[k], "OV QZ5");
    }
}

void TrackerConfig::setCallsign(std::string_view text) {
    storeText(callsign[activeProfile], text);
}

void TrackerConfig::setDigiPath(std::string_view text) {
    storeText(digiPath[activeProfile], text);
}

void TrackerConfig::setStatusText(std::string_view text) {
    storeText(statusText[activeProfile], text);
}

void TrackerConfig::setFrequency(float mhz) {
    // Written so that NaN fails the test and falls back like any other bad value.
    const bool inBand = mhz >= 144.0f && mhz <= 148.0f;
    frequencyMHz[activeProfile] = inBand ? mhz : kPrimaryFrequency;
}

}  // namespace qz5
