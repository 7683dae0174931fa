// SPDX-License-Identifier: GPL-3.0-or-later
// The window's tools for the profile shown: choosing its symbol by picture
// and name, seeing when it will beacon, and starting its SmartBeaconing from
// a preset.
#include <QComboBox>
#include <QLineEdit>
#include <utility>

#include "app/config_dlg.h"
#include "app/controls/control_ids.h"
#include "app/symbols/symbol_picker.h"
#include "app/timing/timing_dialog.h"
#include "config/timing/beacon_timing.h"

namespace qz5 {

void CConfigDlg::watchSymbol() {
    auto* symbol = qobject_cast<QComboBox*>(controls_.control(ids::kSymbol));
    auto* table = qobject_cast<QLineEdit*>(controls_.control(ids::kSymbolTable));
    if (symbol == nullptr || table == nullptr || symbol->lineEdit() == nullptr) {
        return;
    }
    symbolField_ = std::make_unique<SymbolField>(*symbol, *table, symbols_);
    symbolField_->showPicture(view() == WindowView::AllSettings);
    // Codes the list has no picture for are found once it is read.
    symbols_.whenReady([this] {
        if (!findings_->isHidden()) {
            checkForm();
        }
    });
}

void CConfigDlg::OnChooseSymbol() {
    const SymbolSource* source = symbols_.ready();
    if (source == nullptr) {
        // Reading takes moments; the picker opens when it is done.
        symbols_.whenReady([this] { OnChooseSymbol(); });
        return;
    }
    const TrackerConfig form = storedForm();
    const int p = config.activeProfile;
    SymbolPicker picker(*source, {form.symbolTable[p], form.symbolCode[p]}, this);
    const bool chose = picker.exec() == QDialog::Accepted && picker.chosen();
    // Without a window manager nothing hands the keys back to the window.
    activateWindow();
    if (!chose) {
        return;
    }
    const ChosenSymbol chosen = *picker.chosen();
    selectComboPrefix(ids::kSymbol, std::string(1, chosen.code));
    controls_.setControlText(ids::kSymbolTable, std::string(1, chosen.table));
    // A choice is an edit like a typed one.
    checkPause_.start();
}

void CConfigDlg::OnBeaconTiming() {
    const auto apply = [this](const SmartBeaconingPreset& preset) {
        applyPreset(preset);
        return beaconTiming(storedForm(), config.activeProfile);
    };
    TimingDialog dialog(beaconTiming(storedForm(), config.activeProfile), apply, this);
    dialog.exec();
    activateWindow();
}

void CConfigDlg::applyPreset(const SmartBeaconingPreset& preset) {
    const std::pair<int, std::int32_t> values[] = {
        {ids::kSbLowSpeed, preset.lowSpeed},   {ids::kSbHighSpeed, preset.highSpeed},
        {ids::kSbSlowRate, preset.slowRate},   {ids::kSbFastRate, preset.fastRate},
        {ids::kSbTurnAngle, preset.turnAngle}, {ids::kSbTurnSlope, preset.turnSlope}};
    for (const auto& [id, value] : values) {
        controls_.setControlInt(id, value);
    }
    controls_.setControlCheck(ids::kSmartBeaconing, 1);
    OnSmartBeaconing();
    // An edit like a typed one.
    checkPause_.start();
}

void CConfigDlg::OnApplyPreset() {
    const int chosen = controls_.comboSelection(ids::kSmartBeaconingPreset);
    if (chosen >= 0 && chosen < static_cast<int>(kSmartBeaconingPresets.size())) {
        applyPreset(kSmartBeaconingPresets[static_cast<std::size_t>(chosen)]);
    }
}

}  // namespace qz5
