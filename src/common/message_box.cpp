// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/message_box.h"

namespace qz5 {

namespace {

class SilentPresenter final : public MessagePresenter {
  public:
    MessageAnswer present(const Text&, const Text&, MessageButtons buttons) override {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
};

MessagePresenter* currentPresenter = nullptr;

MessagePresenter& activePresenter() {
    static SilentPresenter silent;
    return currentPresenter ? *currentPresenter : silent;
}

}  // namespace

MessagePresenter* setMessagePresenter(MessagePresenter* presenter) {
    MessagePresenter* previous = currentPresenter;
    currentPresenter = presenter;
    return previous;
}

MessageAnswer showMessage(const Text& text, const Text& caption, MessageButtons buttons) {
    return activePresenter().present(text, caption, buttons);
}

MessageAnswer showMessageWithDetail(const Text& text, const Text& caption, MessageButtons buttons,
                                    const Text& detail) {
    return showMessage(Message{text, caption, detail}, buttons);
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
