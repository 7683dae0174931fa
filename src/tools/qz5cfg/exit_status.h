// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string_view>

#include "common/message_box.h"
#include "common/outcome.h"
#include "common/text.h"
#include "common/user_state_dir.h"
#include "tools/qz5cfg/reader_language.h"
#include "workflow/failure_advice.h"

namespace qz5 {

// What scripts can rely on: 0 done, 1 the file or device operation failed,
// 2 the command line or the JSON was wrong (or a risky write was not confirmed).
enum class ExitStatus { Ok = 0, Failed = 1, Usage = 2 };

// The tool's own complaints, shown like the model's and the link's messages.
void reportToolError(const Text& text);

constexpr AdviceContext kCommandLineAdvice{.frontEnd = AdviceContext::FrontEnd::CommandLine,
                                           .backup = std::nullopt};

// Shows what an outcome raised, in order, with advice after a failure: Ok
// after a success, Failed after a failure. What choosing the user's folders
// raised on the way comes first.
template <typename T>
ExitStatus showOutcome(const Outcome<T>& outcome,
                       const AdviceContext& advice = kCommandLineAdvice) {
    showMessages(takeUserFolderNotices());
    showMessages(advisedMessages(outcome, advice));
    return outcome ? ExitStatus::Ok : ExitStatus::Failed;
}

// Flushes what a command printed: Failed, after saying so, when it could not
// all be written (a full disk, a closed pipe).
ExitStatus finishOutput(std::ostream& out);

}  // namespace qz5
