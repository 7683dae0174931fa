// SPDX-License-Identifier: GPL-3.0-or-later
// The window's tools for the profile shown: choosing its symbol by picture
// and name, seeing when it will beacon, and starting its SmartBeaconing from
// a preset.
#include "app/config_dlg.h"
#include "app/controls/control_ids.h"
#include "app/symbols/symbol_picker.h"
#include "app/timing/timing_dialog.h"
#include "config/timing/beacon_timing.h"
#include "config/timing/smart_beaconing_presets.h"

namespace qz5 {

void CConfigDlg::OnChooseSymbol() {
    const SymbolSource* source = form_.symbols().ready();
    if (source == nullptr) {
        // Reading takes moments; the picker opens when it is done.
        form_.symbols().whenReady([this] { OnChooseSymbol(); });
        return;
    }
    const TrackerConfig form = form_.storedForm();
    const int p = form.activeProfile;
    SymbolPicker picker(*source, {form.symbolTable[p], form.symbolCode[p]}, this);
    const bool chose = picker.exec() == QDialog::Accepted && picker.chosen();
    // Without a window manager nothing hands the keys back to the window.
    activateWindow();
    if (!chose) {
        return;
    }
    const ChosenSymbol chosen = *picker.chosen();
    form_.selectComboPrefix(ids::kSymbol, std::string(1, chosen.code));
    controls_.setControlText(ids::kSymbolTable, std::string(1, chosen.table));
    // A choice is an edit like a typed one.
    form_.userEdited();
}

void CConfigDlg::OnBeaconTiming() {
    const auto apply = [this](const SmartBeaconingPreset& preset) {
        form_.applyPreset(preset);
        const TrackerConfig form = form_.storedForm();
        return beaconTiming(form, form.activeProfile);
    };
    const TrackerConfig form = form_.storedForm();
    TimingDialog dialog(beaconTiming(form, form.activeProfile), apply, this);
    dialog.exec();
    activateWindow();
}

void CConfigDlg::OnApplyPreset() {
    const int chosen = controls_.comboSelection(ids::kSmartBeaconingPreset);
    if (chosen >= 0 && chosen < static_cast<int>(kSmartBeaconingPresets.size())) {
        form_.applyPreset(kSmartBeaconingPresets[static_cast<std::size_t>(chosen)]);
    }
}

}  // namespace qz5
