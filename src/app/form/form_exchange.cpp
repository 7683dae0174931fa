// SPDX-License-Identifier: GPL-3.0-or-later
// Copies between the window's controls and the shown profile of the record:
// numbers and checkboxes as the table of field controls pairs them, and below,
// written out, what needs more than a copy.
#include <algorithm>
#include <charconv>
#include <string>
#include <type_traits>

#include "app/controls/control_access.h"
#include "app/controls/control_ids.h"
#include "app/controls/field_controls.h"
#include "app/form/form_controller.h"
#include "common/leading_number.h"
#include "config/kept_delays.h"

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

void FormController::selectComboPrefix(int id, std::string_view text) {
    controls_.setControlText(id, text);
    const int count = controls_.comboCount(id);
    // Every item is examined, so the last match wins.
    for (int index = 0; index < count; ++index) {
        if (controls_.comboItemText(id, index).starts_with(text)) {
            controls_.setComboSelection(id, index);
        }
    }
}

void FormController::storeForm() {
    storeFormInto(config_);
}

TrackerConfig FormController::storedForm() const {
    TrackerConfig stored = config_;
    storeFormInto(stored);
    return stored;
}

ConfigImage FormController::formImage() const {
    TrackerConfig form = storedForm();
    ConfigImage image{};
    // A whole image always encodes; its warnings are the Write's to show.
    static_cast<void>(encodeKeepingDelays(form, image, images_.image()));
    return image;
}

void FormController::storeFormInto(TrackerConfig& target) const {
    const int p = target.activeProfile;
    target.setCallsign(controls_.getControlText(ids::kCallsign));
    target.setFrequency(parseLeadingFloat(controls_.getControlText(ids::kFrequency)));
    target.setDigiPath(controls_.getControlText(ids::kDigiPath));
    target.setStatusText(controls_.getControlText(ids::kStatusText));
    const std::int32_t calibration = controls_.getControlInt(ids::kCalibration);
    if (calibration != target.calibration) {
        target.calibrationChanged = true;
    }
    target.calibration = calibration;
    const int status = controls_.comboSelection(ids::kMicEStatus);
    target.micEStatus[p] = status >= 0 && status < kMicEStatusCount ? status : 0;
    target.micEPath[p] = controls_.comboSelection(ids::kMicEPath);
    target.symbolCode[p] = firstCharacter(controls_.getControlText(ids::kSymbol));
    target.symbolTable[p] = firstCharacter(controls_.getControlText(ids::kSymbolTable));
    target.transmitRate[p] = std::max(controls_.getControlInt(ids::kTransmitRate), kMinimumRate);
    target.altRateSeconds[p] = std::max(controls_.getControlInt(ids::kAltRate), kMinimumRate);
    const bool hms = controls_.getControlCheck(ids::kTimestampHms);
    target.timestamp[p] = controls_.getControlCheck(ids::kTimestampDhm) || hms;
    target.timestampHms[p] = hms;
    forEachPlainField([&](auto member, int id) {
        auto& value = (target.*member)[p];
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, bool>) {
            value = controls_.getControlCheck(id);
        } else {
            value = controls_.getControlInt(id);
        }
    });
}

void FormController::loadForm() {
    const int p = config_.activeProfile;
    controls_.setControlText(ids::kCallsign, config_.callsign[p].data());
    selectComboPrefix(ids::kFrequency, formatFrequency(config_.frequencyMHz[p]));
    controls_.setControlText(ids::kDigiPath, config_.digiPath[p].data());
    controls_.setControlText(ids::kStatusText, config_.statusText[p].data());
    controls_.setControlInt(ids::kCalibration, config_.calibration);
    controls_.setComboSelection(ids::kMicEStatus, config_.micEStatus[p]);
    controls_.setComboSelection(ids::kMicEPath, config_.micEPath[p]);
    selectComboPrefix(ids::kSymbol, characterText(config_.symbolCode[p]));
    controls_.setControlText(ids::kSymbolTable, characterText(config_.symbolTable[p]));
    controls_.setControlInt(ids::kTransmitRate, config_.transmitRate[p]);
    controls_.setControlInt(ids::kAltRate, config_.altRateSeconds[p]);
    const bool timestamp = config_.timestamp[p];
    controls_.setControlCheck(ids::kTimestampDhm, timestamp && !config_.timestampHms[p] ? 1 : 0);
    controls_.setControlCheck(ids::kTimestampHms, timestamp && config_.timestampHms[p] ? 1 : 0);
    forEachPlainField([&](auto member, int id) {
        const auto value = (config_.*member)[p];
        if constexpr (std::is_same_v<decltype(value), const bool>) {
            controls_.setControlCheck(id, value ? 1 : 0);
        } else {
            controls_.setControlInt(id, value);
        }
    });
    updateEnables();
}

}  // namespace qz5
