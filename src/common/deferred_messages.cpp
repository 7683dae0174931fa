#include "common/deferred_messages.h"

#include <utility>

namespace qz5 {

MessageAnswer DeferredMessages::present(const std::string& text, const std::string& caption,
                                        MessageButtons buttons) {
    messages_.push_back({text, caption, buttons});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void DeferredMessages::showAll() {
    // Taken out first: a box's own event loop may run code that adds more.
    const std::vector<Message> kept = std::exchange(messages_, {});
    for (const Message& message : kept) {
        showMessage(message.text, message.caption, message.buttons);
    }
}

}  // namespace qz5
