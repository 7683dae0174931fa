// Keeps options that belong together consistent while the user edits. Works on
// the controls' states; the record sees them at the next storeForm.
#include <array>

#include "app/config_dlg.h"
#include "app/controls/control_ids.h"

namespace qz5 {

namespace {

// Never editable in this layout; their values still travel with the record.
constexpr std::array kAlwaysDisabled = {ids::kSerialOutHigh, ids::kGps9600,       ids::kInvertCdIn,
                                        ids::kOnlySendValid, ids::kPacket300Baud, ids::kDelay3,
                                        ids::kCalibration,   ids::kNoTxOnPttIn};

// Options that only matter once the window has talked to a tracker.
constexpr std::array kDeviceOptions = {ids::kSendNmea,        ids::kPacket300Baud,
                                       ids::kNoGreaterThan,   ids::kSerialOutHigh,
                                       ids::kSkipStartPacket, ids::kGps9600};

constexpr std::array kSmartBeaconingEdits = {ids::kSbLowSpeed, ids::kSbSlowRate,  ids::kSbHighSpeed,
                                             ids::kSbFastRate, ids::kSbTurnAngle, ids::kSbTurnSlope,
                                             ids::kSbTurnTime};

}  // namespace

void CConfigDlg::updateEnables() {
    // The governing box is read only when the governed control exists.
    const auto enableWhen = [this](int governed, int governing, bool whenChecked) {
        if (controls.hasControl(governed)) {
            controls.enableControl(governed, controls.getControlCheck(governing) == whenChecked);
        }
    };
    for (int id : kSmartBeaconingEdits) {
        enableWhen(id, ids::kSmartBeaconing, true);
    }
    enableWhen(ids::kTransmitRate, ids::kSmartBeaconing, false);
    enableWhen(ids::kSlotSeconds, ids::kSlotEnable, true);
    enableWhen(ids::kForcePrintable, ids::kMicEEnable, true);
    enableWhen(ids::kMicEStatus, ids::kMicEEnable, true);
    enableWhen(ids::kMicEPath, ids::kMicEEnable, true);
    enableWhen(ids::kAuxValue, ids::kAuxEnable, true);
    for (int id : kAlwaysDisabled) {
        controls.enableControl(id, false);
    }
}

void CConfigDlg::updateToneLabels() {
    // The stored profile decides, not an unsaved click on the checkbox.
    const bool packet300 = config.packet300Baud[config.activeProfile];
    controls.setControlText(ids::kSendLowTone, packet300 ? "Send 1600 Hz" : "Send 1200 Hz");
    controls.setControlText(ids::kSendHighTone, packet300 ? "Send 1800 Hz" : "Send 2200 Hz");
}

void CConfigDlg::updateDeviceEnables() {
    for (int id : kDeviceOptions) {
        controls.enableControl(id, true);
    }
}

void CConfigDlg::OnSmartBeaconing() {
    const bool on = controls.getControlCheck(ids::kSmartBeaconing);
    if (on) {
        controls.setControlCheck(ids::kSlotEnable, 0);
    }
    controls.setControlCheck(ids::kAuxEnable, on ? 0 : 1);
    updateEnables();
}

void CConfigDlg::OnSlotEnable() {
    if (controls.getControlCheck(ids::kSlotEnable)) {
        controls.setControlCheck(ids::kSmartBeaconing, 0);
    }
    updateEnables();
}

void CConfigDlg::OnMicEEnable() {
    if (controls.getControlCheck(ids::kMicEEnable)) {
        controls.setControlCheck(ids::kSendNmea, 0);
    }
    updateEnables();
}

void CConfigDlg::OnAuxEnable() {
    updateEnables();
}

void CConfigDlg::OnTimestampDhm() {
    if (controls.getControlCheck(ids::kTimestampDhm)) {
        controls.setControlCheck(ids::kTimestampHms, 0);
    }
}

void CConfigDlg::OnTimestampHms() {
    if (controls.getControlCheck(ids::kTimestampHms)) {
        controls.setControlCheck(ids::kTimestampDhm, 0);
    }
}

void CConfigDlg::OnSendNmea() {
    if (controls.getControlCheck(ids::kSendNmea)) {
        controls.setControlCheck(ids::kMicEEnable, 0);
        controls.setControlCheck(ids::kSendAltitude, 0);
    }
    updateEnables();
}

}  // namespace qz5
