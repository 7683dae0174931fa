// Copies between the window's controls and the shown profile of the record.
// Both directions walk the controls in one fixed order.
#include <algorithm>
#include <charconv>
#include <string>

#include "app/config_dlg.h"
#include "app/controls/control_ids.h"
#include "common/leading_number.h"

namespace qz5 {

namespace {

constexpr int kMinimumRate = 3;
constexpr int kMicEStatusCount = 8;

// "%3.3f", independent of the locale that the toolkit switches the process to.
std::string formatFrequency(float mhz) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(mhz),
                                      std::chars_format::fixed, 3);
    return std::string(buffer, result.ptr);
}

// A one-character text; the NUL character gives the empty text.
std::string characterText(char c) {
    return c == '\0' ? std::string() : std::string(1, c);
}

char firstCharacter(const std::string& text) {
    return text.empty() ? '\0' : text.front();
}

}  // namespace

void CConfigDlg::selectComboPrefix(int id, std::string_view text) {
    controls.setControlText(id, text);
    const int count = controls.comboCount(id);
    // Every item is examined, so the last match wins.
    for (int index = 0; index < count; ++index) {
        if (controls.comboItemText(id, index).starts_with(text)) {
            controls.setComboSelection(id, index);
        }
    }
}

void CConfigDlg::storeForm() {
    const int p = config.activeProfile;
    const auto check = [this](int id) { return controls.getControlCheck(id); };
    const auto number = [this](int id) { return controls.getControlInt(id); };

    config.setCallsign(controls.getControlText(ids::kCallsign));
    config.setFrequency(parseLeadingFloat(controls.getControlText(ids::kFrequency)));
    config.setDigiPath(controls.getControlText(ids::kDigiPath));
    config.setStatusText(controls.getControlText(ids::kStatusText));
    const std::int32_t calibration = number(ids::kCalibration);
    if (calibration != config.calibration) {
        config.calibrationChanged = true;
    }
    config.calibration = calibration;
    config.delay1Ms[p] = number(ids::kDelay1);
    config.delay2Ms[p] = number(ids::kDelay2);
    const int status = controls.comboSelection(ids::kMicEStatus);
    config.micEStatus[p] = status >= 0 && status < kMicEStatusCount ? status : 0;
    config.micEPath[p] = controls.comboSelection(ids::kMicEPath);
    config.symbolCode[p] = firstCharacter(controls.getControlText(ids::kSymbol));
    config.symbolTable[p] = firstCharacter(controls.getControlText(ids::kSymbolTable));
    config.auxCount[p] = number(ids::kAuxCount);
    config.transmitRate[p] = std::max(number(ids::kTransmitRate), kMinimumRate);
    config.altRateSeconds[p] = std::max(number(ids::kAltRate), kMinimumRate);
    config.slotSeconds[p] = number(ids::kSlotSeconds);
    config.sbLowSpeed[p] = number(ids::kSbLowSpeed);
    config.sbHighSpeed[p] = number(ids::kSbHighSpeed);
    config.sbSlowRate[p] = number(ids::kSbSlowRate);
    config.sbFastRate[p] = number(ids::kSbFastRate);
    config.sbTurnAngle[p] = number(ids::kSbTurnAngle);
    config.sbTurnSlope[p] = number(ids::kSbTurnSlope);
    config.sbTurnTime[p] = number(ids::kSbTurnTime);
    config.delay3Ms[p] = number(ids::kDelay3);
    config.auxValue[p] = number(ids::kAuxValue);
    config.forcePrintable[p] = check(ids::kForcePrintable);
    config.onlySendValid[p] = check(ids::kOnlySendValid);
    config.slotEnable[p] = check(ids::kSlotEnable);
    config.smartBeaconing[p] = check(ids::kSmartBeaconing);
    config.sendAltitude[p] = check(ids::kSendAltitude);
    config.micEEnable[p] = check(ids::kMicEEnable);
    config.auxEnable[p] = check(ids::kAuxEnable);
    config.allowTtlSerial[p] = check(ids::kAllowTtlSerial);
    config.alternateDigiPaths[p] = check(ids::kAlternateDigiPaths);
    config.invertCdIn[p] = check(ids::kInvertCdIn);
    config.timestamp[p] = check(ids::kTimestampDhm) || check(ids::kTimestampHms);
    config.timestampHms[p] = check(ids::kTimestampHms);
    config.noTxOnPttIn[p] = check(ids::kNoTxOnPttIn);
    config.sendNmea[p] = check(ids::kSendNmea);
    config.sendSeparate[p] = check(ids::kSendSeparate);
    config.packet300Baud[p] = check(ids::kPacket300Baud);
    config.noGreaterThan[p] = check(ids::kNoGreaterThan);
    config.serialOutHigh[p] = check(ids::kSerialOutHigh);
    config.skipStartPacket[p] = check(ids::kSkipStartPacket);
    config.gps9600[p] = check(ids::kGps9600);
}

void CConfigDlg::loadForm() {
    const int p = config.activeProfile;
    const auto check = [this](int id, bool value) { controls.setControlCheck(id, value ? 1 : 0); };
    const auto number = [this](int id, std::int32_t value) { controls.setControlInt(id, value); };

    controls.setControlText(ids::kCallsign, config.callsign[p].data());
    selectComboPrefix(ids::kFrequency, formatFrequency(config.frequencyMHz[p]));
    controls.setControlText(ids::kDigiPath, config.digiPath[p].data());
    controls.setControlText(ids::kStatusText, config.statusText[p].data());
    number(ids::kCalibration, config.calibration);
    number(ids::kDelay1, config.delay1Ms[p]);
    number(ids::kDelay2, config.delay2Ms[p]);
    controls.setComboSelection(ids::kMicEStatus, config.micEStatus[p]);
    controls.setComboSelection(ids::kMicEPath, config.micEPath[p]);
    selectComboPrefix(ids::kSymbol, characterText(config.symbolCode[p]));
    controls.setControlText(ids::kSymbolTable, characterText(config.symbolTable[p]));
    number(ids::kAuxCount, config.auxCount[p]);
    number(ids::kTransmitRate, config.transmitRate[p]);
    number(ids::kAltRate, config.altRateSeconds[p]);
    number(ids::kSlotSeconds, config.slotSeconds[p]);
    number(ids::kSbLowSpeed, config.sbLowSpeed[p]);
    number(ids::kSbHighSpeed, config.sbHighSpeed[p]);
    number(ids::kSbSlowRate, config.sbSlowRate[p]);
    number(ids::kSbFastRate, config.sbFastRate[p]);
    number(ids::kSbTurnAngle, config.sbTurnAngle[p]);
    number(ids::kSbTurnSlope, config.sbTurnSlope[p]);
    number(ids::kSbTurnTime, config.sbTurnTime[p]);
    number(ids::kDelay3, config.delay3Ms[p]);
    number(ids::kAuxValue, config.auxValue[p]);
    check(ids::kForcePrintable, config.forcePrintable[p]);
    check(ids::kOnlySendValid, config.onlySendValid[p]);
    check(ids::kSlotEnable, config.slotEnable[p]);
    check(ids::kSmartBeaconing, config.smartBeaconing[p]);
    check(ids::kSendAltitude, config.sendAltitude[p]);
    check(ids::kMicEEnable, config.micEEnable[p]);
    check(ids::kAuxEnable, config.auxEnable[p]);
    check(ids::kAllowTtlSerial, config.allowTtlSerial[p]);
    check(ids::kAlternateDigiPaths, config.alternateDigiPaths[p]);
    check(ids::kInvertCdIn, config.invertCdIn[p]);
    check(ids::kTimestampDhm, config.timestamp[p] && !config.timestampHms[p]);
    check(ids::kTimestampHms, config.timestamp[p] && config.timestampHms[p]);
    check(ids::kNoTxOnPttIn, config.noTxOnPttIn[p]);
    check(ids::kSendNmea, config.sendNmea[p]);
    check(ids::kSendSeparate, config.sendSeparate[p]);
    check(ids::kPacket300Baud, config.packet300Baud[p]);
    check(ids::kNoGreaterThan, config.noGreaterThan[p]);
    check(ids::kSerialOutHigh, config.serialOutHigh[p]);
    check(ids::kSkipStartPacket, config.skipStartPacket[p]);
    check(ids::kGps9600, config.gps9600[p]);
    updateEnables();
}

}  // namespace qz5
