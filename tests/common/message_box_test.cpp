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

// Without a front end's presenter nothing is printed and nothing risky confirmed.
TEST(MessageBox, WithoutAPresenterNothingShowsAndQuestionsAreCancelled) {
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(showMessage("Read Successful", "Read"), MessageAnswer::Ok);
    EXPECT_EQ(showMessage("Discard?", "Unsaved Changes", MessageButtons::DiscardCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace qz5
