// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/config_dlg.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <cstdio>
#include <utility>

#include "app/controls/app_icon.h"
#include "app/controls/control_ids.h"
#include "app/window_menu.h"
#include "app/window_platform.h"
#include "link/port_table.h"
#include "link/system_serial_port_api.h"

namespace qz5 {

namespace {

// Where a window that watches the devices keeps its link until the watcher is up.
const PortTable& noPorts() {
    static const PortTable none;
    return none;
}

}  // namespace

CConfigDlg::CConfigDlg(QWidget* parent)
    : CConfigDlg(systemSerialPortApi(), SystemRoots{}, parent) {}

CConfigDlg::CConfigDlg(SerialPortApi& api, const PortTable& ports, QWidget* parent)
    : QDialog(parent),
      windowIcon_(applicationIcon()),
      link(api, ports),
      portList_(controls_, link, ports) {
    initWindow();
}

CConfigDlg::CConfigDlg(SerialPortApi& api, const SystemRoots& roots, QWidget* parent)
    : QDialog(parent),
      windowIcon_(applicationIcon()),
      link(api, noPorts()),
      portList_(controls_, link, noPorts()) {
    portList_.watch(roots, runner_, *this);
    initWindow();
}

void CConfigDlg::initWindow() {
    extendSystemMenu(*this, kAboutItemText, kAboutCommand);
    setWindowIcon(windowIcon_);
    const std::vector<std::string> refused = portList_.fill(PortList::Scan::OpenEach);
    if (portList_.watching()) {
        // Once the window is up, so the box has something to stand in front of.
        QTimer::singleShot(0, this, [this, refused] { portList_.explainUnusable(refused); });
    }
    controls_.insertTab(ids::kProfileTabs, 0, "Primary");
    controls_.insertTab(ids::kProfileTabs, 1, "Secondary");
    config.activeProfile = controls_.currentTab(ids::kProfileTabs) & 1;
    loadForm();
    updateToneLabels();
    markUnedited();
    controls_.setControlCheck(ids::kKeepBeforeWrite, rememberedKeepBeforeWrite() ? 1 : 0);
    // Connected only now: filling the tabs and lists must not look like a user's
    // change.
    connectHandlers();
    new WindowMenu(*this);
    watchEdits();
    watchSymbol();
    if (QWidget* callsign = controls_.control(ids::kCallsign)) {
        callsign->setFocus();
    }
}

void CConfigDlg::connectHandlers() {
    const auto onClicked = [this](int id, void (CConfigDlg::*handler)()) {
        if (auto* button = qobject_cast<QAbstractButton*>(controls_.control(id))) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, handler] { (this->*handler)(); });
        }
    };
    onClicked(ids::kSmartBeaconing, &CConfigDlg::OnSmartBeaconing);
    onClicked(ids::kSlotEnable, &CConfigDlg::OnSlotEnable);
    onClicked(ids::kMicEEnable, &CConfigDlg::OnMicEEnable);
    onClicked(ids::kAuxEnable, &CConfigDlg::OnAuxEnable);
    onClicked(ids::kTimestampDhm, &CConfigDlg::OnTimestampDhm);
    onClicked(ids::kTimestampHms, &CConfigDlg::OnTimestampHms);
    onClicked(ids::kSendNmea, &CConfigDlg::OnSendNmea);
    onClicked(ids::kReadConfiguration, &CConfigDlg::OnReadConfiguration);
    onClicked(ids::kWriteConfiguration, &CConfigDlg::OnWriteConfiguration);
    onClicked(ids::kReadVersion, &CConfigDlg::OnReadVersion);
    onClicked(ids::kSendLowTone, &CConfigDlg::OnSendLowTone);
    onClicked(ids::kSendHighTone, &CConfigDlg::OnSendHighTone);
    onClicked(ids::kSendBothTones, &CConfigDlg::OnSendBothTones);
    onClicked(ids::kStopTones, &CConfigDlg::OnStopTones);
    onClicked(ids::kLoad, &CConfigDlg::OnLoadFile);
    onClicked(ids::kSave, &CConfigDlg::OnSaveFile);
    onClicked(ids::kAbout, &CConfigDlg::OnAbout);
    onClicked(ids::kFindTracker, &CConfigDlg::OnFindTracker);
    onClicked(ids::kHistory, &CConfigDlg::OnHistory);
    onClicked(ids::kCompareWithTracker, &CConfigDlg::OnCompareWithTracker);
    onClicked(ids::kChooseSymbol, &CConfigDlg::OnChooseSymbol);
    onClicked(ids::kBeaconTiming, &CConfigDlg::OnBeaconTiming);
    onClicked(ids::kKeepBeforeWrite, &CConfigDlg::OnKeepBeforeWrite);
    onClicked(ids::kExit, &QDialog::accept);
    if (auto* tabs = qobject_cast<QTabBar*>(controls_.control(ids::kProfileTabs))) {
        connect(tabs, &QTabBar::currentChanged, this, [this] { OnProfileTabChange(); });
    }
}

void CConfigDlg::runCommand(int id) {
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
    if (commandRunning_) {
        heldLeave_ = result;
        return;
    }
    leave(result);
}

CConfigDlg::CommandScope::CommandScope(CConfigDlg& window) : window_(window) {
    window_.commandRunning_ = true;
}

CConfigDlg::CommandScope::~CommandScope() {
    window_.commandRunning_ = false;
    if (const std::optional<int> held = std::exchange(window_.heldLeave_, std::nullopt)) {
        window_.done(*held);
    }
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

}  // namespace qz5
