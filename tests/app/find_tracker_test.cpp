// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "app/device/progress_window.h"
#include "link/serial_port_api_posix.h"
#include "sim/pty_tracker.h"
#include "support/port_holder_process.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

// The window over three simulated trackers, COM1 to COM3.
class FindTrackerTest : public WindowDriver {
  public:
    ~FindTrackerTest() override { window.reset(); }

    void start(const std::array<TrackerModel, 3>& models, const std::array<bool, 3>& silent) {
        PortTable::Entries entries;
        for (std::size_t i = 0; i < models.size(); ++i) {
            trackers[i] = std::make_unique<PtyTracker>(models[i]);
            trackers[i]->setFaults({.silent = silent[i]});
            entries.emplace("COM" + std::to_string(i + 1), trackers[i]->slavePath());
        }
        ports = PortTable(entries);
        install(std::make_unique<CConfigDlg>(PosixSerialPortApi::instance(), ports));
        for (auto& tracker : trackers) {
            tracker->clearReceived();  // the port scan opened them
        }
    }

    std::string selectedPort() {
        return controls().comboItemText(ids::kComPort, controls().comboSelection(ids::kComPort));
    }

    std::array<std::unique_ptr<PtyTracker>, 3> trackers;
    PortTable ports;
};

TEST_F(FindTrackerTest, AsksEveryFreePortAfterAskingTheUserAndSelectsTheOneThatAnswered) {
    start({TrackerModel(), TrackerModel(9600), TrackerModel()}, {true, false, false});
    // COM3 is another program's: it must never hear a byte.
    PortHolderProcess holder(trackers[2]->slavePath());
    ASSERT_EQ(selectedPort(), "COM1");

    window->commands().findTracker();

    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].caption, "Find Tracker");
    EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(
        presenter.shown[1].text.rfind("The tracker answered on COM2 at 9600 bit/s: OV-QZ5", 0), 0u)
        << presenter.shown[1].text;
    EXPECT_NE(presenter.details[1].find("COM1: no answer"), std::string::npos);
    EXPECT_NE(presenter.details[1].find("COM3: held by another program: passed over"),
              std::string::npos);
    EXPECT_EQ(selectedPort(), "COM2");
    // Tones rely on the rate the tracker answered at.
    EXPECT_EQ(link().baudRate(), 9600);
    EXPECT_FALSE(trackers[0]->received().empty());
    EXPECT_TRUE(trackers[2]->received().empty());
}

TEST_F(FindTrackerTest, CancelOnTheQuestionSendsNothing) {
    start({TrackerModel(), TrackerModel(), TrackerModel()}, {false, false, false});
    presenter.answers = {MessageAnswer::Cancel};
    window->commands().findTracker();
    EXPECT_EQ(presenter.shown.size(), 1u);
    for (auto& tracker : trackers) {
        EXPECT_TRUE(tracker->received().empty());
    }
    EXPECT_EQ(link().baudRate(), 4800);
}

TEST_F(FindTrackerTest, CancelWhileAskingStopsBeforeTheNextPort) {
    start({TrackerModel(), TrackerModel(), TrackerModel()}, {true, true, false});
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* progress = dynamic_cast<ProgressWindow*>(widget);
            if (progress && progress->isVisible() && progress->phase().contains("COM1")) {
                // Pressed by the user: the input blocker must let it through.
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            }
        }
    });
    ticker.start();
    window->commands().findTracker();

    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[1].text, "Cancelled: no tracker answered on the ports asked.");
    EXPECT_TRUE(trackers[1]->received().empty());
    EXPECT_TRUE(trackers[2]->received().empty());
    EXPECT_EQ(selectedPort(), "COM1");
    // Nothing answered: the link keeps the rate it had, not the last one tried.
    EXPECT_EQ(link().baudRate(), 4800);
}

}  // namespace
}  // namespace qz5::testing
