#include "app/config_dlg.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <cstdio>
#include <utility>

#include "app/controls/app_icon.h"
#include "app/controls/control_ids.h"
#include "app/controls/main_window_template.h"
#include "app/controls/template_builder.h"
#include "link/port_table.h"

namespace qz5 {

namespace {

constexpr int kAboutCommand = 0x0010;
constexpr int kCloseCommand = 0xF060;
constexpr int kFirstPort = 1;
constexpr int kLastPort = 20;
constexpr const char* kAboutItemText = "&About Zelbin3Config...";
constexpr const char* kNoPortsItem = "No COM Ports Found";

}  // namespace

CConfigDlg::CConfigDlg(QWidget* parent)
    : QDialog(parent), windowIcon(applicationIcon()), ports_(PortTable::system()) {
    initWindow();
}

CConfigDlg::CConfigDlg(SerialPortApi& api, const PortTable& ports, QWidget* parent)
    : QDialog(parent), windowIcon(applicationIcon()), link(api, ports), ports_(ports) {
    initWindow();
}

void CConfigDlg::initWindow() {
    buildDialog(*this, mainWindowTemplate(), controls);
    setWindowIcon(windowIcon);
    fillPortList();
    controls.insertTab(ids::kProfileTabs, 0, "Primary");
    controls.insertTab(ids::kProfileTabs, 1, "Secondary");
    config.activeProfile = controls.currentTab(ids::kProfileTabs) & 1;
    loadForm();
    updateToneLabels();
    // Connected only now: filling the tabs and lists must not look like a user's
    // change.
    connectHandlers();
    if (QWidget* callsign = controls.control(ids::kCallsign)) {
        callsign->setFocus();
    }
}

void CConfigDlg::fillPortList() {
    controls.resetComboContent(ids::kComPort);
    bool found = false;
    for (int number = kFirstPort; number <= kLastPort; ++number) {
        char name[16];
        std::snprintf(name, sizeof name, "COM%d", number);
        if (link.portExists(name)) {
            controls.addComboString(ids::kComPort, name);
            found = true;
        }
    }
    if (!found) {
        controls.addComboString(ids::kComPort, kNoPortsItem);
    }
    controls.setComboSelection(ids::kComPort, 0);
    // COM names mean nothing on this platform by themselves: show the device.
    for (int index = 0; index < controls.comboCount(ids::kComPort); ++index) {
        if (auto path = ports_.devicePath(controls.comboItemText(ids::kComPort, index))) {
            controls.setComboItemToolTip(ids::kComPort, index, *path);
        }
    }
}

void CConfigDlg::connectHandlers() {
    const auto onClicked = [this](int id, void (CConfigDlg::*handler)()) {
        if (auto* button = qobject_cast<QAbstractButton*>(controls.control(id))) {
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
    onClicked(ids::kExit, &QDialog::accept);
    if (auto* tabs = qobject_cast<QTabBar*>(controls.control(ids::kProfileTabs))) {
        connect(tabs, &QTabBar::currentChanged, this, [this] { OnProfileTabChange(); });
    }
}

void CConfigDlg::OnSystemCommand(int commandId) {
    if ((commandId & 0xFFF0) == kAboutCommand) {
        OnAbout();
    } else if (commandId == kCloseCommand) {
        reject();
    }
}

void CConfigDlg::done(int result) {
    if (commandRunning_) {
        heldLeave_ = result;
        return;
    }
    leave(result);
}

void CConfigDlg::leave(int result) {
    QDialog::done(result);
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

void CConfigDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The window manager's own menu cannot be extended, so the window offers the
    // same items where a right click on its background lands.
    QMenu menu(this);
    menu.setSeparatorsCollapsible(false);
    connect(menu.addAction(QStringLiteral("&Close")), &QAction::triggered, this,
            [this] { OnSystemCommand(kCloseCommand); });
    menu.addSeparator();
    connect(menu.addAction(QString::fromLatin1(kAboutItemText)), &QAction::triggered, this,
            [this] { OnSystemCommand(kAboutCommand); });
    menu.exec(event->globalPos());
}

}  // namespace qz5
