// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/message_box.h"

#include <gtest/gtest.h>

#include "common/deferred_messages.h"
#include "support/recording_presenter.h"

namespace qz5 {
namespace {

TEST(MessageBox, ReportErrorShowsTextWithoutCaptionAndAlwaysReturnsTrue) {
    testing::RecordingPresenter presenter;
    presenter.answers.push_back(MessageAnswer::Cancel);  // closing the box counts the same
    EXPECT_TRUE(reportError("ComPort Invalid"));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0],
              (testing::ShownMessage{"ComPort Invalid", "", MessageButtons::Ok}));
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

// Work off the GUI thread reports through a thread's own presenter; the boxes,
// reasons included, show later where the process-wide presenter lives.
TEST(MessageBox, DeferredMessagesKeepOrderAndReasonsUntilShown) {
    testing::RecordingPresenter boxes;
    DeferredMessages kept;
    {
        const ScopedThreadMessagePresenter worker(kept);
        EXPECT_TRUE(reportError("Could not aquire Com Port", "In use by term (pid 42)."));
        EXPECT_EQ(showMessage("Sure?", "Zelbin3 Write", MessageButtons::OkCancel),
                  MessageAnswer::Cancel);
        EXPECT_TRUE(reportError("Zelbin3 Not Found"));
    }
    EXPECT_TRUE(boxes.shown.empty());
    kept.showAll();
    EXPECT_EQ(boxes.shown, (std::vector<testing::ShownMessage>{
                               {"Could not aquire Com Port", "", MessageButtons::Ok},
                               {"Sure?", "Zelbin3 Write", MessageButtons::OkCancel},
                               {"Zelbin3 Not Found", "", MessageButtons::Ok}}));
    EXPECT_EQ(boxes.details, (std::vector<std::string>{"In use by term (pid 42).", "", ""}));
    kept.showAll();
    EXPECT_EQ(boxes.shown.size(), 3u);
}

}  // namespace
}  // namespace qz5
