// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QTabBar>
#include <QTimer>

#include "app/controls/about_dialog.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

using StartupTest = WindowTest;

std::vector<std::string> portItems(ControlAccess& controls) {
    std::vector<std::string> items;
    for (int index = 0; index < controls.comboCount(ids::kComPort); ++index) {
        items.push_back(controls.comboItemText(ids::kComPort, index));
    }
    return items;
}

TEST_F(StartupTest, PortListStandsInTextOrderWithTheFirstSelected) {
    openWindow({{"COM2", "/dev/ttyUSB0"}, {"COM12", "/dev/ttyS3"}});
    EXPECT_EQ(portItems(controls()), (std::vector<std::string>{"COM12", "COM2"}));
    EXPECT_EQ(controls().comboSelection(ids::kComPort), 0);
    EXPECT_EQ(controls().getControlText(ids::kComPort), "COM12");
}

TEST_F(StartupTest, PortListHoldsEveryPortThatOpensInTextOrder) {
    openWindow({{"COM1", "/dev/a"},
                {"COM3", "/dev/busy"},
                {"COM2", "/dev/d"},
                {"COM21", "/dev/b"},
                {"COM100", "/dev/c"},
                {"COM255", "/dev/e"}},
               {"/dev/a", "/dev/b", "/dev/c", "/dev/d", "/dev/e"});
    EXPECT_EQ(portItems(controls()),
              (std::vector<std::string>{"COM1", "COM100", "COM2", "COM21", "COM255"}));
    // Each candidate is opened and closed again at once.
    EXPECT_EQ(api.openHandles.size(), 0u);
}

TEST_F(StartupTest, NoOpenablePortGivesTheSingleFallbackItemSelected) {
    openWindow({});
    EXPECT_EQ(portItems(controls()), (std::vector<std::string>{"No COM Ports Found"}));
    EXPECT_EQ(controls().comboSelection(ids::kComPort), 0);
}

TEST_F(StartupTest, EachPortShowsItsDevicePathAsToolTip) {
    openWindow({{"COM2", "/dev/ttyUSB0"}, {"COM12", "/dev/ttyS3"}});
    auto* list = qobject_cast<QComboBox*>(controls().control(ids::kComPort));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(shownToolTip(*list, 0), "/dev/ttyS3");
    EXPECT_EQ(shownToolTip(*list, 1), "/dev/ttyUSB0");
}

TEST_F(StartupTest, OpensOnPrimaryShowingTheDefaults) {
    EXPECT_EQ(controls().currentTab(ids::kProfileTabs), 0);
    EXPECT_EQ(config().activeProfile, 0);
    auto* tabs = qobject_cast<QTabBar*>(controls().control(ids::kProfileTabs));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Primary");
    EXPECT_EQ(tabs->tabText(1), "Secondary");

    EXPECT_EQ(controls().getControlText(ids::kCallsign), "NOCALL");
    EXPECT_EQ(controls().getControlText(ids::kStatusText), "OV QZ5");
    EXPECT_EQ(controls().getControlText(ids::kFrequency), "144.390 MHz - Americas");
    EXPECT_EQ(controls().comboSelection(ids::kFrequency), 0);
    EXPECT_EQ(controls().getControlText(ids::kSymbol), "[ (Pedestrian)");
    EXPECT_EQ(controls().getControlText(ids::kTransmitRate), "120");
    EXPECT_FALSE(checked(ids::kSmartBeaconing));
    EXPECT_EQ(controls().comboSelection(ids::kMicEStatus), 1);
    EXPECT_EQ(controls().getControlText(ids::kCalibration), "128");
    EXPECT_FALSE(config().calibrationChanged);
}

TEST_F(StartupTest, ToneCaptionsAndEnablesFollowTheDefaults) {
    EXPECT_EQ(button(ids::kSendLowTone)->text(), "Send 1200 Hz");
    EXPECT_EQ(button(ids::kSendHighTone)->text(), "Send 2200 Hz");
    // The device options stay as the interlocks left them until a device talks.
    EXPECT_FALSE(enabled(ids::kPacket300Baud));
    EXPECT_TRUE(enabled(ids::kSendNmea));
    EXPECT_TRUE(enabled(ids::kTransmitRate));
    EXPECT_FALSE(enabled(ids::kSbLowSpeed));
}

TEST_F(StartupTest, StartingAgainAfterEditsShowsTheDefaults) {
    type(ids::kCallsign, "w1aw");
    window->close();
    openWindow({{"COM1", "/dev/fake1"}});
    EXPECT_EQ(controls().getControlText(ids::kCallsign), "NOCALL");
}

// Exit, Esc and the close box end the run; none stores the form.
TEST_F(StartupTest, ExitAcceptsWithoutStoring) {
    window->show();
    type(ids::kCallsign, "W1AW");
    presenter.answers = {MessageAnswer::Discard};  // the unsaved edit is asked about
    QTest::mouseClick(button(ids::kExit), Qt::LeftButton);
    EXPECT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
    EXPECT_STREQ(config().callsign[0].data(), "NOCALL");
}

TEST_F(StartupTest, EscapeRejects) {
    window->show();
    QTest::keyClick(controls().control(ids::kCallsign), Qt::Key_Escape);
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(StartupTest, EnterInAFieldEndsTheRunAsExitDoes) {
    for (int id : {ids::kCallsign, ids::kTransmitRate, ids::kFrequency}) {
        window->show();
        window->setResult(QDialog::Rejected);
        QTest::keyClick(controls().control(id), Qt::Key_Return);
        EXPECT_EQ(window->result(), QDialog::Accepted) << id;
        EXPECT_FALSE(window->isVisible()) << id;
    }
    // Enter after typing a frequency never adds it to the list.
    window->show();
    type(ids::kFrequency, "145.5");
    presenter.answers = {MessageAnswer::Discard};
    QTest::keyClick(controls().control(ids::kFrequency), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(controls().comboCount(ids::kFrequency), 4);
}

TEST_F(StartupTest, EnterOnAFocusedButtonClicksThatButton) {
    window->show();
    QAbstractButton* about = button(ids::kAbout);
    int clicks = 0;
    QObject::connect(about, &QAbstractButton::clicked, [&] { ++clicks; });
    about->setFocus();
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    QTest::keyClick(about, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(window->isVisible());
}

// The window menu: Close, the All settings switch, a separator, then the About
// item, which opens the box.
TEST_F(StartupTest, ContextMenuOffersTheAboutItemAfterASeparator) {
    window->show();
    QStringList seen;
    bool aboutShown = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            seen << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QTimer::singleShot(0, [&] {
            aboutShown = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget()) != nullptr;
            if (QWidget* box = QApplication::activeModalWidget()) {
                box->close();
            }
        });
        menu->actions().last()->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            window->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(window.get(), &event);
    EXPECT_EQ(seen, (QStringList{"&Close", "All &settings", "-", "&Find Tracker", "&History...",
                                 "Co&mpare with Tracker...", "Choose S&ymbol...",
                                 "&Beacon Timing...", "&Keep Settings Before Writing", "&Language",
                                 "-", "&About Zelbin3Config..."}));
    EXPECT_TRUE(aboutShown);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StartupTest, SystemCommandsOpenAboutByTheirHighBits) {
    window->show();
    for (int command : {0x0010, 0x0013, 0x001F}) {
        bool aboutShown = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            aboutShown = qobject_cast<CAboutDlg*>(box) != nullptr;
            if (box) {
                box->close();
            }
        });
        window->runCommand(command);
        EXPECT_TRUE(aboutShown) << command;
    }
    window->runCommand(0x0020);  // not ours: nothing opens, nothing closes
    EXPECT_TRUE(window->isVisible());
    window->runCommand(0xF060);  // Close, as from the window menu
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

}  // namespace
}  // namespace qz5::testing
