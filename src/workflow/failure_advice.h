// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/outcome.h"

namespace qz5 {

// What a front end knows about the run that failed, so that the advice names
// its own commands and says only what is true.
struct AdviceContext {
    enum class FrontEnd { Window, CommandLine };
    FrontEnd frontEnd = FrontEnd::Window;
    // The number under which the history kept the tracker's image before
    // this write; none when it kept none.
    std::optional<std::uint64_t> backup;
};

// What the user may try next after a failure of that kind; empty where the
// message and its reason already say all there is to do.
Text advice(FailureKind kind, const AdviceContext& context);

// The outcome's messages, with the advice on the failure's own message.
template <typename T>
Notices advisedMessages(const Outcome<T>& outcome, const AdviceContext& context) {
    Notices messages = outcome.messages();
    const Failure* failure = outcome.failure();
    if (failure == nullptr || failure->message.text.empty()) {
        return messages;
    }
    for (auto message = messages.rbegin(); message != messages.rend(); ++message) {
        if (*message == failure->message) {
            message->hint = advice(failure->kind, context);
            break;
        }
    }
    return messages;
}

}  // namespace qz5
