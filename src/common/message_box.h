// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "common/message_answer.h"
#include "common/outcome.h"

namespace qz5 {

// Shows a message and waits for the user's answer: only the front ends do.
// The window installs a Qt box, the command-line tool writes to stderr, tests
// record and script answers. Without one, nothing is shown, Ok boxes answer Ok
// and questions Cancel, so nothing risky is ever confirmed unattended.
class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    // An empty caption means the box has no caption of its own.
    virtual MessageAnswer present(const Text& text, const Text& caption,
                                  MessageButtons buttons) = 0;
    // A message with the reason behind it and what to try next. A presenter
    // with no place for those shows the message alone.
    virtual MessageAnswer presentMessage(const Message& message, MessageButtons buttons) {
        return present(message.text, message.caption, buttons);
    }
};

// Installs the process-wide presenter; nullptr restores the silent one.
// Returns the one that was installed before.
MessagePresenter* setMessagePresenter(MessagePresenter* presenter);

// Installs a presenter for the life of a scope, then puts the previous one back.
class ScopedMessagePresenter {
  public:
    explicit ScopedMessagePresenter(MessagePresenter& presenter)
        : previous_(setMessagePresenter(&presenter)) {}
    ~ScopedMessagePresenter() { setMessagePresenter(previous_); }
    ScopedMessagePresenter(const ScopedMessagePresenter&) = delete;
    ScopedMessagePresenter& operator=(const ScopedMessagePresenter&) = delete;

  private:
    MessagePresenter* previous_;
};

MessageAnswer showMessage(const Text& text, const Text& caption,
                          MessageButtons buttons = MessageButtons::Ok);
// A message with the reason behind it; an empty detail is none.
MessageAnswer showMessageWithDetail(const Text& text, const Text& caption, MessageButtons buttons,
                                    const Text& detail);

// A message that an outcome carries, with its reason and advice when it has
// them; one without a caption is the shared error box (OK only).
MessageAnswer showMessage(const Message& message, MessageButtons buttons = MessageButtons::Ok);
// Everything an outcome raised, in order.
void showMessages(const Notices& messages);

}  // namespace qz5
