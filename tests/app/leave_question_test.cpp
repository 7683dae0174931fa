// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTemporaryDir>
#include <functional>

#include "config/config_file.h"
#include "window_fixture.h"

namespace qz5::testing {
namespace {

constexpr int kCloseCommand = 0xF060;

struct LeavePath {
    const char* name;
    std::function<void(WindowTest&)> leave;
};

const std::vector<LeavePath>& leavePaths() {
    static const std::vector<LeavePath> paths = {
        {"Exit", [](WindowTest& t) { t.click(ids::kExit); }},
        {"Enter in a field",
         [](WindowTest& t) {
             QTest::keyClick(t.controls().control(ids::kCallsign), Qt::Key_Return);
         }},
        {"Escape",
         [](WindowTest& t) {
             QTest::keyClick(t.controls().control(ids::kCallsign), Qt::Key_Escape);
         }},
        {"close box", [](WindowTest& t) { t.window->close(); }},
        {"Close on the window menu", [](WindowTest& t) { t.window->runCommand(kCloseCommand); }},
    };
    return paths;
}

class LeaveQuestionTest : public WindowTest {
  public:
    // Leaves by `path` and tells whether the window is gone.
    bool leaves(const LeavePath& path) {
        window->show();
        path.leave(*this);
        return !window->isVisible();
    }

    const ShownMessage kQuestion{
        "The settings were changed and have not been written to the tracker or saved to a file. "
        "Discard the changes and close?",
        "Unsaved Changes", MessageButtons::DiscardCancel};
};

TEST_F(LeaveQuestionTest, EveryWayOutAsksOnlyWhenTheFormWasEdited) {
    for (const LeavePath& path : leavePaths()) {
        SCOPED_TRACE(path.name);
        openWindow({{"COM1", "/dev/fake1"}});
        EXPECT_TRUE(leaves(path));
        EXPECT_TRUE(presenter.shown.empty());

        openWindow({{"COM1", "/dev/fake1"}});
        type(ids::kStatusText, "edited");
        presenter.answers = {MessageAnswer::Cancel};
        EXPECT_FALSE(leaves(path));
        presenter.answers = {MessageAnswer::Discard};
        EXPECT_TRUE(leaves(path));
        EXPECT_EQ(presenter.shown, (std::vector<ShownMessage>{kQuestion, kQuestion}));
        presenter.shown.clear();
    }
}

TEST_F(LeaveQuestionTest, EditsOnTheHiddenProfileCountAndUndoneOnesDoNot) {
    clickTab(1);
    type(ids::kCallsign, "K1ABC");
    clickTab(0);
    presenter.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(leaves(leavePaths()[0]));
    EXPECT_EQ(presenter.shown.size(), 1u);

    clickTab(1);
    type(ids::kCallsign, "NOCALL");
    EXPECT_TRUE(leaves(leavePaths()[0]));
    EXPECT_EQ(presenter.shown.size(), 1u);
}

TEST_F(LeaveQuestionTest, WhatLoadingAndStoringChangeIsNoEdit) {
    // Values the form cuts or replaces: a path longer than a field reads back
    // (79 characters), a rate below the minimum, an out-of-range list choice.
    TrackerConfig odd;
    std::string path = "ABCDEF-15";
    for (int i = 1; i < 8; ++i) {
        path += ",ABCDEF-15";
    }
    for (int profile : {1, 0}) {
        odd.activeProfile = profile;
        odd.setDigiPath(path);
    }
    odd.transmitRate[1] = 1;
    odd.micEPath[1] = 40;
    odd.micEStatus[0] = 200;
    QTemporaryDir dir;
    const std::string file = (dir.path() + "/odd.zb3").toStdString();
    ASSERT_TRUE(writeConfigFile(file, odd));
    window->form().loadConfigFile(file);
    ASSERT_EQ(text(ids::kDigiPath).size(), 78u);  // the field's read limit, not the path
    ASSERT_STREQ(config().digiPath[0].data(), path.c_str());
    clickTab(1);
    clickTab(0);
    clickTab(1);
    EXPECT_TRUE(leaves(leavePaths()[0]));
    EXPECT_TRUE(presenter.shown.empty());
}

// The tone went out; only the close after it failed.
TEST_F(LeaveQuestionTest, AToneWhoseCloseFailedIsStillStoppedOnLeaving) {
    openWindow({{"COM1", "/dev/null"}});  // a device that is there to be told apart
    api.failingCloses = 1;
    window->commands().sendTone(kToneHigh);
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{"ComPort Close failed"});
    api.sent.clear();
    EXPECT_TRUE(leaves(leavePaths()[0]));
    EXPECT_EQ(api.sent, (std::vector<std::uint8_t>{0x1B, 0x1B, 0x78, 0x1B, 0x1B, 0x78}));
}

TEST_F(LeaveQuestionTest, SavingMakesTheEditsSafe) {
    QTemporaryDir dir;
    type(ids::kStatusText, "edited");
    files.answers = {(dir.path() + "/saved.zb3").toStdString()};
    click(ids::kSave);
    EXPECT_TRUE(leaves(leavePaths()[0]));
    EXPECT_TRUE(presenter.shown.empty());
}

}  // namespace
}  // namespace qz5::testing
