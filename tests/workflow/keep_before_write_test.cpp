// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/window_fixture.h"
#include "config/history.h"
#include "link/serial_link.h"
#include "link/serial_port_api_posix.h"
#include "sim/pty_tracker.h"
#include "tools/qz5cfg/device_commands.h"

namespace qz5::testing {
namespace {

// The window with its choice to keep the tracker's settings, and qz5cfg with
// its backup, on one simulated tracker.
class KeepBeforeWriteTest : public WindowDriver {
  protected:
    KeepBeforeWriteTest() {
        std::filesystem::remove_all(historyDir());
        install(std::make_unique<CConfigDlg>(PosixSerialPortApi::instance(), ports));
        controls().setControlCheck(ids::kKeepBeforeWrite, 1);
        link.setPortName("COM1");
        std::ofstream(record) << R"({"profiles":[{"callsign":"R1ABC-9"}]})";
    }
    ~KeepBeforeWriteTest() override { window.reset(); }

    // Whether a write command (ESC D) went out since the last look.
    bool written() {
        const auto wire = tracker.received();
        tracker.clearReceived();
        return std::adjacent_find(wire.begin(), wire.end(), [](auto a, auto b) {
                   return a.value == 0x1B && b.value == 0x44;
               }) != wire.end();
    }

    PtyTracker tracker;
    PortTable ports{{{"COM1", tracker.slavePath()}}};
    SerialLink link{PosixSerialPortApi::instance(), ports};
    QTemporaryDir folder;
    const std::string record = folder.filePath("record.json").toStdString();
};

// Settings that cannot be kept stop both front ends before anything is sent;
// the window's owner may write all the same. A tracker not found is asked
// nothing.
TEST_F(KeepBeforeWriteTest, SettingsThatCannotBeKeptStopTheWriteUnlessTheOwnerWritesAnyway) {
    const std::string kept = "The tracker's settings could not be kept: ";
    const std::string asked = ". Write without keeping them?";
    struct Case {
        const char* what;
        TrackerFaults faults;
        const char* stateHome;  // where the history goes; null: the test's own
        MessageAnswer answer;
        std::string question;  // empty: none
        bool advised;
        bool windowWrites;
    };
    const Case cases[] = {
        {"reads disagree",
         {.driftingReads = true},
         nullptr,
         MessageAnswer::Cancel,
         kept + "two reads of them did not agree" + asked,
         true,
         false},
        {"reads disagree, written anyway",
         {.driftingReads = true},
         nullptr,
         MessageAnswer::Ok,
         kept + "two reads of them did not agree" + asked,
         true,
         true},
        {"a short read",
         {.shortReadBack = true},
         nullptr,
         MessageAnswer::Cancel,
         kept + "the tracker did not send them whole" + asked,
         true,
         false},
        {"no history",
         {},
         "/dev/null",
         MessageAnswer::Cancel,
         kept + "/dev/null is not a folder" + asked,
         false,
         false},
        {"no tracker", {.silent = true}, nullptr, MessageAnswer::Cancel, "", false, false},
    };
    const std::string ownStateHome = std::getenv("XDG_STATE_HOME");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tracker.setFaults(c.faults);
        setenv("XDG_STATE_HOME", c.stateHome ? c.stateHome : ownStateHome.c_str(), 1);
        written();
        presenter.shown.clear();
        presenter.hints.clear();
        presenter.answers = {c.answer};
        click(ids::kWriteConfiguration);
        const auto question = std::find_if(
            presenter.shown.begin(), presenter.shown.end(),
            [](const ShownMessage& shown) { return shown.buttons == MessageButtons::OkCancel; });
        if (c.question.empty()) {
            EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Zelbin3 Not Found"});
        } else {
            ASSERT_NE(question, presenter.shown.end());
            EXPECT_EQ(*question,
                      (ShownMessage{c.question, "Zelbin3 Write", MessageButtons::OkCancel}));
            EXPECT_EQ(presenter.hints[question - presenter.shown.begin()].empty(), !c.advised);
        }
        EXPECT_EQ(written(), c.windowWrites);
        if (c.windowWrites) {
            EXPECT_EQ(presenter.texts().back(), "Write Successful");
            EXPECT_EQ(presenter.hints.back(),
                      "The tracker's settings from before this write could not be kept.");
        }

        std::ostringstream out;
        std::ostringstream findings;
        EXPECT_EQ(runWrite(link, record, {}, out, findings), ExitStatus::Failed);
        EXPECT_EQ(out.str(), "") << "a write that did not happen changed nothing";
        EXPECT_FALSE(written());
    }
    setenv("XDG_STATE_HOME", ownStateHome.c_str(), 1);
}

}  // namespace
}  // namespace qz5::testing
