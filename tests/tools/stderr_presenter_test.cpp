// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/stderr_presenter.h"

#include <gtest/gtest.h>

namespace qz5 {
namespace {

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
