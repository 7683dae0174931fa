// SPDX-License-Identifier: GPL-3.0-or-later
// The window's tools for the profile shown: choosing its symbol by picture
// and name, and seeing when it will beacon.
#include <QComboBox>
#include <QLineEdit>

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
    TimingDialog dialog(beaconTiming(storedForm(), config.activeProfile), this);
    dialog.exec();
    activateWindow();
}

}  // namespace qz5
