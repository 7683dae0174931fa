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

MessageAnswer StderrPresenter::presentWithDetail(const std::string& text,
                                                 const std::string& caption, MessageButtons buttons,
                                                 const std::string& detail) {
    const MessageAnswer answer = present(text, caption, buttons);
    if (!detail.empty()) {
        present(detail, {}, MessageButtons::Ok);
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
    if (detail.empty()) {
        return showMessage(text, caption, buttons);
    }
    return activePresenter().presentWithDetail(std::string(text), std::string(caption), buttons,
                                               std::string(detail));
}

MessageAnswer showMessage(const Message& message) {
    return showMessageWithDetail(message.text, message.caption, MessageButtons::Ok, message.detail);
}

void showMessages(const Notices& messages) {
    for (const Message& message : messages) {
        showMessage(message);
    }
}

}  // namespace qz5
