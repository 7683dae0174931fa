// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/message_box.h"

namespace qz5 {

// Shows every message as a box modal to the whole application, so no second
// command can start while one is open.
class QtMessagePresenter final : public MessagePresenter {
  public:
    MessageAnswer present(const Text& text, const Text& caption, MessageButtons buttons) override;
    // The reason goes into the box's details, so its text stays as it is;
    // what to try next is the box's informative text.
    MessageAnswer presentMessage(const Message& message, MessageButtons buttons) override;
};

}  // namespace qz5
