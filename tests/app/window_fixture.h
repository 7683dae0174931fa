// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/config_dlg.h"
#include "app/controls/control_ids.h"
#include "config/config_image.h"
#include "config/image_test_support.h"
#include "link/port_table.h"
#include "scripted_file_prompt.h"
#include "support/fake_serial_port_api.h"
#include "support/recording_presenter.h"

namespace qz5::testing {

// The options that only a read of the tracker's version enables.
inline constexpr std::array kDeviceOptions = {ids::kSendNmea,        ids::kPacket300Baud,
                                              ids::kNoGreaterThan,   ids::kSerialOutHigh,
                                              ids::kSkipStartPacket, ids::kGps9600};

// A list item's tool tip as it shows: its rich text, rendered.
inline std::string shownToolTip(const QComboBox& list, int index) {
    QTextDocument shown;
    shown.setHtml(list.itemData(index, Qt::ToolTipRole).toString());
    return shown.toPlainText().toStdString();
}

// Drives a window the way a user does, and records its message boxes and file
// dialogs.
class WindowDriver : public ::testing::Test {
  public:
    void install(std::unique_ptr<CConfigDlg> newWindow) {
        window = std::move(newWindow);
        window->setFilePrompt(files);
    }

    ControlAccess& controls() { return window->controls(); }
    TrackerConfig& config() { return window->form().record(); }
    const SerialLink& link() { return window->commands().link(); }

    QAbstractButton* button(int id) {
        auto* widget = qobject_cast<QAbstractButton*>(controls().control(id));
        EXPECT_NE(widget, nullptr) << "no button " << id;
        return widget;
    }

    // A user's click: a checkbox toggles first, then its handler runs.
    void click(int id) { QTest::mouseClick(button(id), Qt::LeftButton); }

    void clickTab(int index) {
        auto* tabs = qobject_cast<QTabBar*>(controls().control(ids::kProfileTabs));
        ASSERT_NE(tabs, nullptr);
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(index).center());
        ASSERT_EQ(tabs->currentIndex(), index);
    }

    bool checked(int id) { return controls().getControlCheck(id); }
    bool enabled(int id) { return controls().control(id)->isEnabled(); }

    // The enabled state of every control, in id order.
    std::vector<bool> enableStates() {
        std::vector<bool> states;
        for (int id = ids::kReadConfiguration; id <= ids::kHighestId; ++id) {
            if (QWidget* widget = controls().control(id)) {
                states.push_back(widget->isEnabled());
            }
        }
        return states;
    }

    // Replaces a field's text the way a user would: select it all, type over it.
    void type(int id, const QString& text) {
        QWidget* widget = controls().control(id);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Home);
        QTest::keyClick(widget, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(widget, Qt::Key_Delete);
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    std::string text(int id) { return controls().getControlText(id); }

    RecordingPresenter presenter;
    ScriptedFilePrompt files;
    std::unique_ptr<CConfigDlg> window;
};

// A window on scripted serial devices: by default COM1 exists.
class WindowTest : public WindowDriver {
  public:
    WindowTest() { openWindow({{"COM1", "/dev/fake1"}}); }
    // The window's link refers to the devices below.
    ~WindowTest() override { window.reset(); }

    // Rebuilds the window over a new COM table; `present` lists the devices
    // that open (all of the table's when empty).
    void openWindow(PortTable::Entries table, std::set<std::string, std::less<>> present = {}) {
        window.reset();
        ports = PortTable(std::move(table));
        api.devices = present.empty() ? allDevices() : std::move(present);
        install(std::make_unique<CConfigDlg>(api, ports));
    }

    FakeSerialPortApi api;
    PortTable ports;

  private:
    std::set<std::string, std::less<>> allDevices() const {
        std::set<std::string, std::less<>> paths;
        for (const auto& [name, path] : ports.entries()) {
            paths.insert(path);
        }
        return paths;
    }
};

}  // namespace qz5::testing
