// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "common/message_box.h"

namespace qz5 {

// Writes "caption: text" (or the text alone) to stderr and answers Ok to Ok
// boxes and Cancel to questions, so nothing risky is ever confirmed unattended.
class StderrPresenter final : public MessagePresenter {
  public:
    MessageAnswer present(const Text& text, const Text& caption, MessageButtons buttons) override;
    // The reason goes on the lines after the message, then "hint: " and what
    // to try next.
    MessageAnswer presentMessage(const Message& message, MessageButtons buttons) override;
};

}  // namespace qz5
