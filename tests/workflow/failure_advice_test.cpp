// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/failure_advice.h"

#include <gtest/gtest.h>

namespace qz5 {
namespace {

// Advice names only commands of the front end that shows it, and points to
// the history only when this run kept a backup there.
TEST(FailureAdvice, NamesTheFrontEndsOwnCommandsAndOnlyABackupThatWasKept) {
    using FrontEnd = AdviceContext::FrontEnd;
    struct Case {
        FailureKind kind;
        FrontEnd frontEnd;
        std::optional<std::uint64_t> backup;
        const char* said;  // empty: no advice at all
        const char* unsaid;
    };
    for (const Case& c : {
             Case{FailureKind::NotFound, FrontEnd::Window, {}, "Find Tracker", "qz5cfg"},
             Case{FailureKind::NotFound,
                  FrontEnd::CommandLine,
                  {},
                  "qz5cfg ports --find",
                  "Find Tracker"},
             Case{FailureKind::PortMissing, FrontEnd::Window, {}, "from the list", "qz5cfg"},
             Case{FailureKind::PortMissing, FrontEnd::CommandLine, {}, "qz5cfg ports", "list."},
             Case{FailureKind::VerifyFailed, FrontEnd::Window, 12, "as number 12: History",
                  "qz5cfg"},
             Case{FailureKind::VerifyFailed, FrontEnd::CommandLine, 12,
                  "'qz5cfg history show 12' prints", "@"},
             Case{FailureKind::VerifyFailed, FrontEnd::CommandLine, {}, "again", "history"},
             Case{FailureKind::PortBusy, FrontEnd::Window, {}, "Another program", "qz5cfg"},
             Case{FailureKind::CannotSave, FrontEnd::Window, 1, "", "@"},
         }) {
        const std::string advice = adviceFor(c.kind, {.frontEnd = c.frontEnd, .backup = c.backup});
        const auto name = static_cast<int>(c.kind);
        if (*c.said == '\0') {
            EXPECT_EQ(advice, "") << name;
        } else {
            EXPECT_NE(advice.find(c.said), std::string::npos) << name << ": " << advice;
        }
        EXPECT_EQ(advice.find(c.unsaid), std::string::npos) << name << ": " << advice;
    }
}

}  // namespace
}  // namespace qz5
