// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <ostream>
#include <streambuf>

#include "common/message_box.h"
#include "link/link_progress.h"

namespace qz5 {

// Shows the link's steps on one terminal line that is rewritten in place. The
// line is wiped before any message and before anything written to `output`
// (which may share the terminal), so those stand on lines of their own.
// Messages go on to `messages`.
class TerminalProgress final : public MessagePresenter {
  public:
    TerminalProgress(std::ostream& terminal, std::ostream& output, MessagePresenter& messages);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void show(const LinkProgress& progress);
    MessageAnswer present(const Text& text, const Text& caption, MessageButtons buttons) override;
    MessageAnswer presentMessage(const Message& message, MessageButtons buttons) override;

  private:
    // Flushed by `output` before each write to it, through its tie.
    class Wiper final : public std::streambuf {
      public:
        explicit Wiper(TerminalProgress& owner) : owner_(owner) {}

      protected:
        int sync() override;

      private:
        TerminalProgress& owner_;
    };

    void wipe();

    std::ostream& terminal_;
    std::ostream& output_;
    MessagePresenter& messages_;
    Wiper wiper_{*this};
    std::ostream wiperStream_{&wiper_};
    std::ostream* previousTie_;
    bool lineShown_ = false;
};

}  // namespace qz5
