// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the form as the user edits it: the strip above the buttons and
// the marks in the All settings view. Both are shown from a copy of the record
// built from the form, so checking changes nothing the window keeps.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>

#include "app/controls/control_access.h"
#include "app/controls/control_ids.h"
#include "app/controls/field_controls.h"
#include "app/form/findings_strip.h"
#include "app/form/form_controller.h"
#include "common/message_box.h"
#include "config/check/config_check.h"
#include "config/check/system_prefix_list.h"

namespace qz5 {

namespace {

// Long enough that a word typed is checked once, short enough to follow.
constexpr int kCheckPauseMs = 400;

}  // namespace

FormController::FormController(QWidget& window, ControlAccess& controls, ViewSwitcher& views)
    : window_(window),
      controls_(controls),
      views_(views),
      findings_(new FindingsStrip(&window)),
      marks_(controls) {}

FormController::~FormController() = default;

void FormController::watchEdits() {
    checkPause_.setSingleShot(true);
    checkPause_.setInterval(kCheckPauseMs);
    QObject::connect(&checkPause_, &QTimer::timeout, &window_, [this] { checkForm(); });
    findings_->setOnChosen([this](const Finding& finding) { showField(finding); });
    // Only the user's own changes: filling the form is no edit.
    const auto edited = [this] { checkPause_.start(); };
    // A hidden control is watched from when it is made.
    const auto watch = [this, edited](QWidget& made) {
        QWidget* control = &made;
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            QObject::connect(list, &QComboBox::activated, &window_, edited);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            QObject::connect(edit, &QLineEdit::textEdited, &window_, edited);
        } else if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit()) {
            QObject::connect(list->lineEdit(), &QLineEdit::textEdited, &window_, edited);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QObject::connect(button, &QAbstractButton::clicked, &window_, edited);
        }
    };
    forEachFieldControl([&](const auto& entry) { controls_.whenMade(entry.id, watch); });
}

void FormController::checkForm() {
    checkPause_.stop();
    // Without the symbol list until its reader is done; the check runs again then.
    findingList_ = checkConfig(storedForm(), systemPrefixList(), symbols_.ready());
    const std::string& listProblem = systemPrefixListProblem();
    static const bool said = [&listProblem] {
        if (!listProblem.empty()) {
            showMessage(listProblem, "");
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

void FormController::showMarks() {
    marks_.clear();
    if (views_.current() == WindowView::AllSettings) {
        marks_.mark(findingList_, config_.activeProfile);
    }
    // The marks put back the descriptions they replaced, names of symbols
    // since changed among them.
    if (symbolField_) {
        symbolField_->refresh();
    }
}

void FormController::showView(WindowView view) {
    // The marks keep the tool tips they replaced; they go back before the
    // new view sets its own.
    marks_.clear();
    views_.show(view);
    if (symbolField_) {
        symbolField_->showPicture(view == WindowView::AllSettings);
    }
    showMarks();
}

void FormController::showField(const Finding& finding) {
    // The field shows one profile at a time: the finding's own first.
    auto* tabs = qobject_cast<QTabBar*>(controls_.control(ids::kProfileTabs));
    if (finding.profile && *finding.profile != config_.activeProfile && tabs != nullptr) {
        tabs->setCurrentIndex(*finding.profile);
    }
    if (QWidget* control = controls_.control(fieldControlId(finding.field));
        control && control->isVisible()) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

void FormController::watchSymbol() {
    auto* symbol = qobject_cast<QComboBox*>(controls_.control(ids::kSymbol));
    auto* table = qobject_cast<QLineEdit*>(controls_.control(ids::kSymbolTable));
    if (symbol == nullptr || table == nullptr || symbol->lineEdit() == nullptr) {
        return;
    }
    symbolField_ = std::make_unique<SymbolField>(*symbol, *table, symbols_);
    symbolField_->showPicture(views_.current() == WindowView::AllSettings);
    // Codes the list has no picture for are found once it is read.
    symbols_.whenReady([this] {
        if (!findings_->isHidden()) {
            checkForm();
        }
    });
}

void FormController::profileTabChanged() {
    edits_.leaving(config_.activeProfile);
    storeForm();
    config_.activeProfile = controls_.currentTab(ids::kProfileTabs) & 1;
    loadForm();
    edits_.shown(config_.activeProfile);
    updateToneLabels();
    showMarks();
}

void FormController::showTrackerImage(const ConfigImage& image) {
    images_.keep(image);
    loadForm();
    markUnedited();
    checkForm();
}

void FormController::showKeptImage(const ConfigImage& image) {
    const Outcome<> decoded = config_.decodeImage(image);
    showMessages(decoded.messages());
    if (decoded) {
        images_.keep(image);
        loadForm();
        updateToneLabels();
        edits_.markChanged();
        checkForm();
    }
}

}  // namespace qz5
