// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/message_box.h"

#include <iostream>

namespace qz5 {

namespace {

StderrPresenter& stderrPresenter() {
    static StderrPresenter presenter;
    return presenter;
}

MessagePresenter* currentPresenter = nullptr;

MessagePresenter& activePresenter() {
    return currentPresenter ? *currentPresenter : stderrPresenter();
}

}  // namespace

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

MessagePresenter* setMessagePresenter(MessagePresenter* presenter) {
    MessagePresenter* previous = currentPresenter;
    currentPresenter = presenter;
    return previous;
}

MessageAnswer showMessage(std::string_view text, std::string_view caption, MessageButtons buttons) {
    return activePresenter().present(std::string(text), std::string(caption), buttons);
}

MessageAnswer showMessageWithDetail(std::string_view text, std::string_view caption,
                                    MessageButtons buttons, std::string_view detail) {
    return showMessage(Message{std::string(text), std::string(caption), std::string(detail)},
                       buttons);
}

MessageAnswer showMessage(const Message& message, MessageButtons buttons) {
    if (message.detail.empty() && message.hint.empty()) {
        return activePresenter().present(message.text, message.caption, buttons);
    }
    return activePresenter().presentMessage(message, buttons);
}

void showMessages(const Notices& messages) {
    for (const Message& message : messages) {
        showMessage(message);
    }
}

}  // namespace qz5
