// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/config_dlg.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <filesystem>
#include <utility>

#include "app/controls/about_dialog.h"
#include "app/controls/app_icon.h"
#include "app/controls/control_ids.h"
#include "app/controls/window_text.h"
#include "app/window_menu.h"
#include "app/window_platform.h"
#include "config/config_file.h"
#include "config/history.h"
#include "language/shown_text.h"
#include "link/port_table.h"
#include "link/system_roots.h"
#include "link/system_serial_port_api.h"

namespace qz5 {

CConfigDlg::CConfigDlg(QWidget* parent)
    : CConfigDlg(systemSerialPortApi(), SystemRoots{}, parent) {}

CConfigDlg::CConfigDlg(SerialPortApi& api, const PortTable& ports, QWidget* parent)
    : QDialog(parent),
      windowIcon_(applicationIcon()),
      commands_(*this, controls_, form_, api, ports) {
    initWindow();
}

CConfigDlg::CConfigDlg(SerialPortApi& api, const SystemRoots& roots, QWidget* parent)
    : QDialog(parent),
      windowIcon_(applicationIcon()),
      commands_(*this, controls_, form_, api, roots) {
    initWindow();
}

void CConfigDlg::nameProfileTabs() {
    controls_.setTabWords(ids::kProfileTabs, 0, translated("Window", "Primary"));
    controls_.setTabWords(ids::kProfileTabs, 1, translated("Window", "Secondary"));
}

void CConfigDlg::initWindow() {
    extendSystemMenu(*this, windowText(kAboutItemText), kAboutCommand);
    setWindowIcon(windowIcon_);
    commands_.listPorts();
    controls_.insertTab(ids::kProfileTabs, 0, "");
    controls_.insertTab(ids::kProfileTabs, 1, "");
    nameProfileTabs();
    form_.record().activeProfile = controls_.currentTab(ids::kProfileTabs) & 1;
    form_.loadForm();
    form_.updateToneLabels();
    form_.markUnedited();
    controls_.setControlCheck(ids::kKeepBeforeWrite, rememberedKeepBeforeWrite() ? 1 : 0);
    // Connected only now: filling the tabs and lists must not look like a user's
    // change.
    connectHandlers();
    commands_.whenEnded([this] {
        if (const std::optional<int> held = std::exchange(heldLeave_, std::nullopt)) {
            done(*held);
        }
    });
    new WindowMenu(*this, {.command = [this](int id) { runCommand(id); },
                           .chosen = [this](int id) { return controls_.getControlCheck(id) != 0; },
                           .view = [this] { return view(); },
                           .showView = [this](WindowView shown) { setView(shown); }});
    form_.watchEdits();
    form_.watchSymbol();
    if (QWidget* callsign = controls_.control(ids::kCallsign)) {
        callsign->setFocus();
    }
}

void CConfigDlg::connectHandlers() {
    // A hidden button is connected when it is made.
    const auto onClicked = [this](int id, auto handler) {
        controls_.whenMade(id, [this, handler](QWidget& control) {
            if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
                connect(button, &QAbstractButton::clicked, this, handler);
            }
        });
    };
    // The interlocks are the form's own.
    const auto onFormClicked = [&](int id, void (FormController::*interlock)()) {
        onClicked(id, [this, interlock] { (form_.*interlock)(); });
    };
    onFormClicked(ids::kSmartBeaconing, &FormController::smartBeaconingClicked);
    onFormClicked(ids::kSlotEnable, &FormController::slotEnableClicked);
    onFormClicked(ids::kMicEEnable, &FormController::micEEnableClicked);
    onFormClicked(ids::kAuxEnable, &FormController::auxEnableClicked);
    onFormClicked(ids::kTimestampDhm, &FormController::timestampDhmClicked);
    onFormClicked(ids::kTimestampHms, &FormController::timestampHmsClicked);
    onFormClicked(ids::kSendNmea, &FormController::sendNmeaClicked);
    const auto onWindowClicked = [&](int id, void (CConfigDlg::*handler)()) {
        onClicked(id, [this, handler] { (this->*handler)(); });
    };
    onWindowClicked(ids::kReadConfiguration, &CConfigDlg::OnReadConfiguration);
    onWindowClicked(ids::kWriteConfiguration, &CConfigDlg::OnWriteConfiguration);
    onWindowClicked(ids::kReadVersion, &CConfigDlg::OnReadVersion);
    onWindowClicked(ids::kSendLowTone, &CConfigDlg::OnSendLowTone);
    onWindowClicked(ids::kSendHighTone, &CConfigDlg::OnSendHighTone);
    onWindowClicked(ids::kSendBothTones, &CConfigDlg::OnSendBothTones);
    onWindowClicked(ids::kStopTones, &CConfigDlg::OnStopTones);
    onWindowClicked(ids::kLoad, &CConfigDlg::OnLoadFile);
    onWindowClicked(ids::kSave, &CConfigDlg::OnSaveFile);
    onWindowClicked(ids::kAbout, &CConfigDlg::OnAbout);
    onWindowClicked(ids::kFindTracker, &CConfigDlg::OnFindTracker);
    onWindowClicked(ids::kHistory, &CConfigDlg::OnHistory);
    onWindowClicked(ids::kCompareWithTracker, &CConfigDlg::OnCompareWithTracker);
    onWindowClicked(ids::kChooseSymbol, &CConfigDlg::OnChooseSymbol);
    onWindowClicked(ids::kBeaconTiming, &CConfigDlg::OnBeaconTiming);
    onWindowClicked(ids::kApplyPreset, &CConfigDlg::OnApplyPreset);
    onWindowClicked(ids::kKeepBeforeWrite, &CConfigDlg::OnKeepBeforeWrite);
    onClicked(ids::kExit, [this] { accept(); });
    if (auto* tabs = qobject_cast<QTabBar*>(controls_.control(ids::kProfileTabs))) {
        connect(tabs, &QTabBar::currentChanged, this, [this] { OnProfileTabChange(); });
    }
}

void CConfigDlg::OnKeepBeforeWrite() {
    rememberKeepBeforeWrite(controls_.getControlCheck(ids::kKeepBeforeWrite) != 0);
}

void CConfigDlg::runCommand(int id) {
    // The system menu's numbers lie below every control's id.
    if ((id & 0xFFF0) == kAboutCommand || id == kCloseCommand) {
        OnSystemCommand(id);
        return;
    }
    // As a dialog's menu command with a button's id: the button's own click.
    if (auto* button = qobject_cast<QAbstractButton*>(controls_.control(id))) {
        button->click();
    }
}

void CConfigDlg::OnSystemCommand(int commandId) {
    if ((commandId & 0xFFF0) == kAboutCommand) {
        OnAbout();
    } else if (commandId == kCloseCommand) {
        reject();
    }
}

bool CConfigDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    // Only the About item is the window's own; Move, Close and the rest keep
    // the system's handling.
    if (const auto command = systemMenuCommand(eventType, message);
        command && (*command & 0xFFF0) == kAboutCommand) {
        OnSystemCommand(*command);
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}

void CConfigDlg::done(int result) {
    if (commands_.running()) {
        heldLeave_ = result;
        return;
    }
    leave(result);
}

void CConfigDlg::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || event->modifiers() & ~Qt::KeypadModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    // No button is the default: Enter on a push button clicks it, anywhere else
    // it is the Exit command.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
    } else {
        accept();
    }
}

void CConfigDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        views_.retranslate();
    }
    QDialog::changeEvent(event);
}

void CConfigDlg::OnSendLowTone() {
    commands_.sendTone(kToneLow);
}
void CConfigDlg::OnSendHighTone() {
    commands_.sendTone(kToneHigh);
}
void CConfigDlg::OnSendBothTones() {
    commands_.sendTone(kToneBoth);
}
void CConfigDlg::OnStopTones() {
    commands_.sendTone(kToneStop);
}

void CConfigDlg::OnLoadFile() {
    // The form is not stored first: a successful load replaces unsaved edits.
    FileDialogRequest request = configFileRequest(say("Files", "Load Config File"), "");
    // Kept tracker images, so a backup can be loaded and written back.
    const std::filesystem::path history = historyDir();
    if (std::error_code unreadable; std::filesystem::is_directory(history, unreadable)) {
        request.places.push_back(history.string());
    }
    if (auto path = filePrompt_->openPath(request)) {
        form_.loadConfigFile(*path);
    }
}

void CConfigDlg::OnSaveFile() {
    if (auto path = filePrompt_->savePath(
            configFileRequest(say("Files", "Save Config File"), "config1.zb3"))) {
        form_.saveConfigFile(*path);
    }
}

void CConfigDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
    // Without a window manager nobody hands the keyboard back to the window
    // the box stood over.
    activateWindow();
}

}  // namespace qz5
