// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "common/message_box.h"

namespace qz5 {

// Keeps the messages that work on another thread raises, to show them later,
// in the same order, on the thread that owns the boxes. Nobody can answer a
// question there, so questions are kept and answered Cancel: nothing risky is
// ever confirmed blind.
class DeferredMessages final : public MessagePresenter {
  public:
    MessageAnswer present(const std::string& text, const std::string& caption,
                          MessageButtons buttons) override;
    MessageAnswer presentWithDetail(const std::string& text, const std::string& caption,
                                    MessageButtons buttons, const std::string& detail) override;

    // Shows every kept message, with its reason if it had one, through the
    // calling thread's presenter, then forgets them.
    void showAll();

  private:
    struct Message {
        std::string text;
        std::string caption;
        MessageButtons buttons;
        std::string detail;  // empty when the message carries no reason
    };
    std::vector<Message> messages_;
};

}  // namespace qz5
