// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/stderr_presenter.h"

#include <iostream>

namespace qz5 {

MessageAnswer StderrPresenter::present(const std::string& text, const std::string& caption,
                                       MessageButtons buttons) {
    if (!caption.empty()) {
        std::cerr << caption << ": ";
    }
    std::cerr << text;
    if (text.empty() || text.back() != '\n') {
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
        present("hint: " + message.hint, {}, MessageButtons::Ok);
    }
    return answer;
}

}  // namespace qz5
