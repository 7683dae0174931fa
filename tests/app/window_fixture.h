#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>
#include <memory>
#include <string>

#include "app/config_dlg.h"
#include "app/controls/control_ids.h"
#include "link/port_table.h"
#include "support/fake_serial_port_api.h"
#include "support/recording_presenter.h"

namespace qz5::testing {

// A window on scripted serial devices: by default COM1 exists.
class WindowTest : public ::testing::Test {
  public:
    WindowTest() { openWindow({{"COM1", "/dev/fake1"}}); }

    // Rebuilds the window over a new COM table; `present` lists the devices
    // that open.
    void openWindow(PortTable::Entries table, std::set<std::string, std::less<>> present = {}) {
        window.reset();
        ports = PortTable(std::move(table));
        api.devices = present.empty() ? allDevices() : std::move(present);
        window = std::make_unique<CConfigDlg>(api, ports);
    }

    ControlAccess& controls() { return window->controls; }
    TrackerConfig& config() { return window->config; }

    QAbstractButton* button(int id) {
        auto* widget = qobject_cast<QAbstractButton*>(controls().control(id));
        EXPECT_NE(widget, nullptr) << "no button " << id;
        return widget;
    }

    // A user's click: the box toggles first, then its handler runs.
    void click(int id) { QTest::mouseClick(button(id), Qt::LeftButton); }

    bool checked(int id) { return controls().getControlCheck(id); }
    bool enabled(int id) { return controls().control(id)->isEnabled(); }

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

    FakeSerialPortApi api;
    PortTable ports;
    RecordingPresenter presenter;
    std::unique_ptr<CConfigDlg> window;

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
