// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <stdlib.h>

#include "common/user_state_dir.h"

namespace qz5 {
namespace {

TEST(UserStateDir, LivesInTheLocalApplicationData) {
    ASSERT_EQ(_wputenv_s(L"LOCALAPPDATA", L"C:\\Users\\u\\AppData\\Local"), 0);
    EXPECT_EQ(userStateDir().wstring(), L"C:\\Users\\u\\AppData\\Local\\qz5-config");
    // Without the variable the shell's known folder answers.
    ASSERT_EQ(_wputenv_s(L"LOCALAPPDATA", L""), 0);
    EXPECT_FALSE(userStateDir().empty());
    EXPECT_EQ(userStateDir().filename(), "qz5-config");
}

}  // namespace
}  // namespace qz5
