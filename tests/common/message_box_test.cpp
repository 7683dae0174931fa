#include "common/message_box.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qz5
