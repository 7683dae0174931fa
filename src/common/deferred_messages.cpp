// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/deferred_messages.h"

#include <utility>

namespace qz5 {

MessageAnswer DeferredMessages::present(const std::string& text, const std::string& caption,
                                        MessageButtons buttons) {
    messages_.push_back({text, caption, buttons, {}});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

MessageAnswer DeferredMessages::presentWithDetail(const std::string& text,
                                                  const std::string& caption,
                                                  MessageButtons buttons,
                                                  const std::string& detail) {
    messages_.push_back({text, caption, buttons, detail});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void DeferredMessages::showAll() {
    // Taken out first: a box's own event loop may run code that adds more.
    const std::vector<Message> kept = std::exchange(messages_, {});
    for (const Message& message : kept) {
        if (message.detail.empty()) {
            showMessage(message.text, message.caption, message.buttons);
        } else {
            showMessageWithDetail(message.text, message.caption, message.buttons, message.detail);
        }
    }
}

}  // namespace qz5
