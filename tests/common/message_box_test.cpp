// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/message_box.h"

#include <gtest/gtest.h>

#include "support/recording_presenter.h"

namespace qz5 {
namespace {

// An outcome's messages show in order; one without a caption is the shared
// error box, and a reason travels with its message only.
TEST(MessageBox, AnOutcomesMessagesShowInOrderWithTheirReasons) {
    testing::RecordingPresenter presenter;
    presenter.answers.push_back(MessageAnswer::Cancel);  // closing the box counts the same
    showMessages({{"Could not aquire Com Port", "", "In use by term (pid 42)."},
                  {"Status Beacon Text Truncated", "Too long", ""},
                  {"Zelbin3 Not Found", "", ""}});
    EXPECT_EQ(presenter.shown, (std::vector<testing::ShownMessage>{
                                   {"Could not aquire Com Port", "", MessageButtons::Ok},
                                   {"Status Beacon Text Truncated", "Too long", MessageButtons::Ok},
                                   {"Zelbin3 Not Found", "", MessageButtons::Ok}}));
    EXPECT_EQ(presenter.details, (std::vector<std::string>{"In use by term (pid 42).", "", ""}));
}

TEST(MessageBox, ScopedPresentersNestAndRestore) {
    testing::RecordingPresenter outer;
    {
        testing::RecordingPresenter inner;
        showMessage("inner", "Caption");
        EXPECT_EQ(inner.texts(), std::vector<std::string>{"inner"});
    }
    showMessage("outer", "Caption");
    EXPECT_EQ(outer.texts(), std::vector<std::string>{"outer"});
}

TEST(MessageBox, StderrPresenterPrefixesCaptionAndNeverConfirms) {
    StderrPresenter presenter;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(presenter.present("Failed to open file", "Load Failed", MessageButtons::Ok),
              MessageAnswer::Ok);
    EXPECT_EQ(presenter.present("Bad EE Size 5\n", "", MessageButtons::OkCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Load Failed: Failed to open file\nBad EE Size 5\n");
}

}  // namespace
}  // namespace qz5
