// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <sstream>

#include "app/config_dlg.h"
#include "app/controls/control_ids.h"
#include "link/pseudo_terminal.h"
#include "link/serial_port_api_posix.h"
#include "link/traced_port_api.h"
#include "support/fake_system_tree.h"
#include "support/port_holder_process.h"
#include "support/recording_presenter.h"
#include "window_fixture.h"

namespace qz5 {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using Items = std::vector<std::string>;

// The window over a device folder of its own, in which the tests plug and
// unplug devices (links to pseudo-terminals) while it runs.
class PortHotplugTest : public ::testing::Test {
  protected:
    void start() { window = std::make_unique<CConfigDlg>(traced, tree.roots); }

    // How often the device folder's node `name` was opened.
    int opens(const std::string& name) {
        const std::string path = tree.path("dev/" + name);
        std::istringstream lines(trace.str());
        int count = 0;
        for (std::string line; std::getline(lines, line);) {
            count += line.ends_with(" open " + path) || line.ends_with(" open " + path + " failed");
        }
        return count;
    }

    void plug(const std::string& name, const std::string& target) { tree.node(name, target); }
    void unplug(const std::string& name) { std::filesystem::remove(tree.path("dev/" + name)); }

    QComboBox* list() {
        return qobject_cast<QComboBox*>(window->controls().control(ids::kComPort));
    }
    Items items() {
        Items texts;
        for (int i = 0; i < list()->count(); ++i) {
            texts.push_back(list()->itemText(i).toStdString());
        }
        return texts;
    }
    std::string selected() { return list()->currentText().toStdString(); }
    void select(const std::string& name) { list()->setCurrentText(QString::fromStdString(name)); }
    bool listBecomes(const Items& expected) {
        return QTest::qWaitFor([&] { return items() == expected; }, 5000);
    }

    testing::FakeSystemTree tree;
    testing::RecordingPresenter presenter;
    PosixSerialPortApi api{tree.roots};
    std::ostringstream trace;
    ExchangeLog log{trace};
    TracedPortApi traced{api, log};
    testing::PseudoTerminal a, b, c;
    std::unique_ptr<CConfigDlg> window;
};

TEST_F(PortHotplugTest, TheListFollowsDevicesAndTheSelectionStaysOnItsDevice) {
    plug("ttyUSB0", a.slavePath());
    start();
    EXPECT_EQ(items(), Items{"COM1"});
    EXPECT_THAT(testing::shownToolTip(*list(), 0), HasSubstr(tree.path("dev/ttyUSB0") + "\n"));

    plug("ttyACM0", b.slavePath());
    ASSERT_TRUE(listBecomes({"COM1", "COM2"}));
    select("COM2");
    // A new device takes the lowest free name; present ones keep theirs.
    plug("ttyUSB1", c.slavePath());
    ASSERT_TRUE(listBecomes({"COM1", "COM2", "COM3"}));
    EXPECT_EQ(selected(), "COM2");

    unplug("ttyACM0");
    ASSERT_TRUE(listBecomes({"COM1", "COM3"}));
    EXPECT_EQ(selected(), "COM1");
    select("COM3");
    unplug("ttyUSB0");
    ASSERT_TRUE(listBecomes({"COM3"}));
    EXPECT_EQ(selected(), "COM3");
    SerialLink& link = window->commands().link();
    link.setPortName("COM3");
    EXPECT_TRUE(link.openPort());  // the link resolves names as the list shows them
    EXPECT_TRUE(link.closePort());

    unplug("ttyUSB1");
    ASSERT_TRUE(listBecomes({"No COM Ports Found"}));
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(PortHotplugTest, PortsThatCannotBeOpenedAreExplainedOncePerDevice) {
    plug("ttyUSB0", tree.path("dev/gone0"));
    start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !presenter.shown.empty(); }, 2000));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].caption, "COM Ports");
    EXPECT_THAT(presenter.shown[0].text,
                AllOf(HasSubstr("No COM port can be used."),
                      HasSubstr("COM1 (" + tree.path("dev/ttyUSB0")), HasSubstr("is not there")));

    // A new node that is refused is looked at again before it is explained.
    plug("ttyUSB1", tree.path("dev/gone1"));
    QTest::qWait(300);
    EXPECT_EQ(presenter.shown.size(), 1u);
    // Another change in the folder meanwhile does not cut that wait short.
    tree.node("tty0");
    QTest::qWait(300);
    EXPECT_EQ(presenter.shown.size(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return presenter.shown.size() == 2; }, 6000));
    EXPECT_THAT(presenter.shown[1].text, AllOf(HasSubstr("COM2 ("), Not(HasSubstr("COM1 ("))));
    EXPECT_EQ(items(), Items{"No COM Ports Found"});
}

// The link looks names up on the worker thread in a copy of the table of its
// own; the watcher's table follows the devices meanwhile, and the list catches
// up once the command and its boxes are done.
TEST_F(PortHotplugTest, TheListWaitsForADeviceCommandToEndAndTheCommandKeepsItsTable) {
    plug("ttyUSB0", a.slavePath());  // nothing answers there: the probe runs its full time
    start();
    Items duringCommand;
    PortTable::Entries watched;
    PortTable::Entries commands;
    int refillsDuringCommand = 0;
    QObject::connect(list()->model(), &QAbstractItemModel::rowsInserted,
                     [&] { refillsDuringCommand += window->commands().running() ? 1 : 0; });
    QTimer::singleShot(100, [&] { plug("ttyACM0", b.slavePath()); });
    QTimer::singleShot(600, [&] {
        duringCommand = items();
        watched = window->commands().ports().entries();
        commands = window->commands().link().portTable().entries();
    });
    QTest::mouseClick(qobject_cast<QAbstractButton*>(window->controls().control(ids::kReadVersion)),
                      Qt::LeftButton);
    EXPECT_EQ(duringCommand, Items{"COM1"});
    EXPECT_EQ(refillsDuringCommand, 0);
    EXPECT_EQ(watched.size(), 2u);
    EXPECT_EQ(commands, (PortTable::Entries{{"COM1", tree.path("dev/ttyUSB0")}}));
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Zelbin3 Not Found"});
    EXPECT_TRUE(listBecomes({"COM1", "COM2"}));
}

// Opening a device raises DTR and RTS, which keys some radio interfaces: a
// rescan opens only what is new, changed or was refused before.
TEST_F(PortHotplugTest, ARescanOpensOnlyNewChangedOrRefusedDevices) {
    plug("ttyUSB0", a.slavePath());
    plug("ttyUSB1", c.slavePath());
    auto holder = std::make_unique<testing::PortHolderProcess>(c.slavePath());
    start();
    EXPECT_EQ(items(), Items{"COM1"});
    EXPECT_EQ(opens("ttyUSB0"), 1);

    plug("ttyACM0", b.slavePath());
    ASSERT_TRUE(listBecomes({"COM1", "COM3"}));
    EXPECT_EQ(opens("ttyUSB0"), 1);
    EXPECT_EQ(opens("ttyACM0"), 1);
    EXPECT_GE(opens("ttyUSB1"), 2);  // refused, so tried again

    // Its mode changed, so it may have become usable or not: opened again.
    struct stat before {};
    ASSERT_EQ(stat(a.slavePath().c_str(), &before), 0);
    ASSERT_EQ(chmod(a.slavePath().c_str(), (before.st_mode & 07777) ^ S_IROTH), 0);
    holder.reset();
    tree.node("tty0");
    ASSERT_TRUE(listBecomes({"COM1", "COM2", "COM3"}));
    EXPECT_EQ(opens("ttyUSB0"), 2);
    EXPECT_EQ(opens("ttyACM0"), 1);
}

// After a removal and a plug-in, COM1 is another device: the tone's Stop
// Sending on leaving is not for it.
TEST_F(PortHotplugTest, StopSendingOnLeavingReachesOnlyTheDeviceOfTheTone) {
    plug("ttyUSB0", a.slavePath());
    start();
    window->commands().sendTone(kToneLow);
    EXPECT_EQ(a.receive().size(), 6u);
    unplug("ttyUSB0");
    ASSERT_TRUE(listBecomes({"No COM Ports Found"}));
    plug("ttyUSB0", b.slavePath());
    ASSERT_TRUE(listBecomes({"COM1"}));
    window->reject();
    EXPECT_TRUE(b.receive().empty());

    // The same device, still there, is stopped.
    start();
    window->commands().sendTone(kToneLow);
    EXPECT_EQ(b.receive().size(), 6u);
    window->reject();
    EXPECT_EQ(b.receive(), (std::vector<std::uint8_t>{0x1B, 0x1B, 0x78, 0x1B, 0x1B, 0x78}));
    EXPECT_TRUE(presenter.shown.empty());
}

}  // namespace
}  // namespace qz5
