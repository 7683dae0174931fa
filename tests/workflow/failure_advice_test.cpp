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
        const std::string advised =
            advice(c.kind, {.frontEnd = c.frontEnd, .backup = c.backup}).english();
        const auto name = static_cast<int>(c.kind);
        if (*c.said == '\0') {
            EXPECT_EQ(advised, "") << name;
        } else {
            EXPECT_NE(advised.find(c.said), std::string::npos) << name << ": " << advised;
        }
        EXPECT_EQ(advised.find(c.unsaid), std::string::npos) << name << ": " << advised;
    }
}

// Advice reaches the front end as a catalogue text, with the backup's number
// a value that a translation places, not words glued to it.
TEST(FailureAdvice, IsACatalogueTextWithItsNumberApart) {
    using FrontEnd = AdviceContext::FrontEnd;
    for (int kind = 0; kind <= static_cast<int>(FailureKind::CannotSave); ++kind) {
        for (const FrontEnd frontEnd : {FrontEnd::Window, FrontEnd::CommandLine}) {
            const AdviceContext context{.frontEnd = frontEnd, .backup = 4711};
            const Text said = advice(static_cast<FailureKind>(kind), context);
            if (!said.empty()) {
                ASSERT_NE(said.source(), nullptr) << kind;
                EXPECT_STREQ(said.context(), "Advice");
                EXPECT_EQ(std::string(said.source()).find("4711"), std::string::npos) << kind;
            }
        }
    }
}

}  // namespace
}  // namespace qz5
