// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the form as the user edits it: the strip above the buttons and
// the marks in the All settings view. Both are shown from a copy of the record
// built from the form, so checking changes nothing the window keeps.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <iostream>

#include "app/config_dlg.h"
#include "app/controls/control_ids.h"
#include "app/controls/field_controls.h"
#include "config/check/config_check.h"
#include "config/check/system_prefix_list.h"

namespace qz5 {

namespace {

// Long enough that a word typed is checked once, short enough to follow.
constexpr int kCheckPauseMs = 400;

}  // namespace

void CConfigDlg::watchEdits() {
    checkPause_.setSingleShot(true);
    checkPause_.setInterval(kCheckPauseMs);
    connect(&checkPause_, &QTimer::timeout, this, [this] { checkForm(); });
    findings_->setOnChosen([this](const Finding& finding) { showField(finding); });
    // Only the user's own changes: filling the form is no edit.
    const auto edited = [this] { checkPause_.start(); };
    forEachFieldControl([&](const auto& entry) {
        QWidget* control = controls_.control(entry.id);
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            connect(list, &QComboBox::activated, this, edited);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            connect(edit, &QLineEdit::textEdited, this, edited);
        } else if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit()) {
            connect(list->lineEdit(), &QLineEdit::textEdited, this, edited);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            connect(button, &QAbstractButton::clicked, this, edited);
        }
    });
}

void CConfigDlg::checkForm() {
    checkPause_.stop();
    // Without the symbol list until its reader is done; the check runs again then.
    findingList_ = checkConfig(storedForm(), systemPrefixList(), symbols_.ready());
    const std::string& listProblem = systemPrefixListProblem();
    static const bool said = [&listProblem] {
        if (!listProblem.empty()) {
            std::cerr << "qz5-config: " << listProblem << '\n';
        }
        return true;
    }();
    static_cast<void>(said);
    findings_->setFindings(findingList_, QString::fromStdString(listProblem));
    if (findings_->isHidden()) {
        views_.openLine(*findings_);
    }
    showMarks();
}

void CConfigDlg::showMarks() {
    marks_.clear();
    if (view() == WindowView::AllSettings) {
        marks_.mark(findingList_, config.activeProfile);
    }
    // The marks put back the descriptions they replaced, names of symbols
    // since changed among them.
    if (symbolField_) {
        symbolField_->refresh();
    }
}

void CConfigDlg::setView(WindowView view) {
    // The marks keep the tool tips they replaced; they go back before the
    // new view sets its own.
    marks_.clear();
    views_.show(view);
    if (symbolField_) {
        symbolField_->showPicture(view == WindowView::AllSettings);
    }
    showMarks();
}

void CConfigDlg::showField(const Finding& finding) {
    // The field shows one profile at a time: the finding's own first.
    auto* tabs = qobject_cast<QTabBar*>(controls_.control(ids::kProfileTabs));
    if (finding.profile && *finding.profile != config.activeProfile && tabs != nullptr) {
        tabs->setCurrentIndex(*finding.profile);
    }
    if (QWidget* control = controls_.control(fieldControlId(finding.field));
        control && control->isVisible()) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace qz5
