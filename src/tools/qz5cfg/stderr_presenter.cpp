// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/stderr_presenter.h"

#include <iostream>

#include "tools/qz5cfg/reader_language.h"

namespace qz5 {

MessageAnswer StderrPresenter::present(const Text& text, const Text& caption,
                                       MessageButtons buttons) {
    if (!caption.empty()) {
        std::cerr << shown(caption) << ": ";
    }
    const std::string words = shown(text);
    std::cerr << words;
    if (words.empty() || words.back() != '\n') {
        std::cerr << '\n';
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

MessageAnswer StderrPresenter::presentMessage(const Message& message, MessageButtons buttons) {
    const MessageAnswer answer = present(message.text, message.caption, buttons);
    if (!message.detail.empty()) {
        present(message.detail, {}, MessageButtons::Ok);
    }
    if (!message.hint.empty()) {
        present(say("Cli", "hint: %1", "what to try next, after a message").with(message.hint), {},
                MessageButtons::Ok);
    }
    return answer;
}

}  // namespace qz5
