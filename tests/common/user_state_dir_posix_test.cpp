// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "common/user_state_dir.h"

namespace qz5 {
namespace {

// Sets or clears a variable for one case and puts the old value back.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        set(value);
    }
    ~ScopedVariable() { set(old_); }

  private:
    void set(const std::optional<std::string>& value) {
        value ? ::setenv(name_, value->c_str(), 1) : ::unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> old_;
};

TEST(UserStateDir, FollowsTheBaseDirectoryRules) {
    const struct {
        std::optional<std::string> stateHome;
        std::optional<std::string> home;
        std::string folder;
    } kCases[] = {
        {"/x/state", "/home/u", "/x/state/qz5-config"},
        {std::nullopt, "/home/u", "/home/u/.local/state/qz5-config"},
        {"", "/home/u", "/home/u/.local/state/qz5-config"},
        // A relative value would put the history wherever the program starts.
        {"state", "/home/u", "/home/u/.local/state/qz5-config"},
    };
    for (const auto& [stateHome, home, folder] : kCases) {
        ScopedVariable setStateHome("XDG_STATE_HOME", stateHome);
        ScopedVariable setHome("HOME", home);
        EXPECT_EQ(userStateDir(), folder) << stateHome.value_or("(unset)");
    }
}

}  // namespace
}  // namespace qz5
