// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps options that belong together consistent while the user edits. Works on
// the controls' states; the record sees them at the next storeForm.
#include <array>
#include <cstdint>
#include <utility>

#include "app/controls/control_access.h"
#include "app/controls/control_ids.h"
#include "app/form/form_controller.h"
#include "config/timing/smart_beaconing_presets.h"
#include "language/shown_text.h"

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

void FormController::updateEnables() {
    // The governing box is read only when the governed control exists.
    const auto enableWhen = [this](int governed, int governing, bool whenChecked) {
        if (controls_.hasControl(governed)) {
            controls_.enableControl(governed, controls_.getControlCheck(governing) == whenChecked);
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
        controls_.enableControl(id, false);
    }
}

void FormController::updateToneLabels() {
    // The stored profile decides, not an unsaved click on the checkbox.
    const bool packet300 = config_.packet300Baud[config_.activeProfile];
    controls_.setControlWords(ids::kSendLowTone, packet300 ? translated("Window", "Send 1600 Hz")
                                                           : translated("Window", "Send 1200 Hz"));
    controls_.setControlWords(ids::kSendHighTone, packet300 ? translated("Window", "Send 1800 Hz")
                                                            : translated("Window", "Send 2200 Hz"));
}

void FormController::updateDeviceEnables() {
    for (int id : kDeviceOptions) {
        controls_.enableControl(id, true);
    }
}

void FormController::smartBeaconingClicked() {
    const bool on = controls_.getControlCheck(ids::kSmartBeaconing);
    if (on) {
        controls_.setControlCheck(ids::kSlotEnable, 0);
    }
    controls_.setControlCheck(ids::kAuxEnable, on ? 0 : 1);
    updateEnables();
}

void FormController::slotEnableClicked() {
    if (controls_.getControlCheck(ids::kSlotEnable)) {
        controls_.setControlCheck(ids::kSmartBeaconing, 0);
    }
    updateEnables();
}

void FormController::micEEnableClicked() {
    if (controls_.getControlCheck(ids::kMicEEnable)) {
        controls_.setControlCheck(ids::kSendNmea, 0);
    }
    updateEnables();
}

void FormController::auxEnableClicked() {
    updateEnables();
}

void FormController::timestampDhmClicked() {
    if (controls_.getControlCheck(ids::kTimestampDhm)) {
        controls_.setControlCheck(ids::kTimestampHms, 0);
    }
}

void FormController::timestampHmsClicked() {
    if (controls_.getControlCheck(ids::kTimestampHms)) {
        controls_.setControlCheck(ids::kTimestampDhm, 0);
    }
}

void FormController::sendNmeaClicked() {
    if (controls_.getControlCheck(ids::kSendNmea)) {
        controls_.setControlCheck(ids::kMicEEnable, 0);
        controls_.setControlCheck(ids::kSendAltitude, 0);
    }
    updateEnables();
}

void FormController::applyPreset(const SmartBeaconingPreset& preset) {
    const std::pair<int, std::int32_t> values[] = {
        {ids::kSbLowSpeed, preset.lowSpeed},   {ids::kSbHighSpeed, preset.highSpeed},
        {ids::kSbSlowRate, preset.slowRate},   {ids::kSbFastRate, preset.fastRate},
        {ids::kSbTurnAngle, preset.turnAngle}, {ids::kSbTurnSlope, preset.turnSlope}};
    for (const auto& [id, value] : values) {
        controls_.setControlInt(id, value);
    }
    controls_.setControlCheck(ids::kSmartBeaconing, 1);
    smartBeaconingClicked();
    userEdited();
}

}  // namespace qz5
