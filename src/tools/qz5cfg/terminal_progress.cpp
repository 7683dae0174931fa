// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/terminal_progress.h"

#include <utility>

#include "tools/qz5cfg/reader_language.h"

namespace qz5 {

namespace {

constexpr const char* kEraseToEnd = "\x1b[K";

}  // namespace

TerminalProgress::TerminalProgress(std::ostream& terminal, std::ostream& output,
                                   MessagePresenter& messages)
    : terminal_(terminal), output_(output), messages_(messages), previousTie_(output.tie()) {
    output_.tie(&wiperStream_);
}

TerminalProgress::~TerminalProgress() {
    output_.tie(previousTie_);
    wipe();
}

void TerminalProgress::show(const LinkProgress& progress) {
    lineShown_ = false;  // rewritten over, not wiped first
    terminal_ << '\r' << shown(describeProgress(progress)) << kEraseToEnd << std::flush;
    lineShown_ = true;
}

MessageAnswer TerminalProgress::present(const Text& text, const Text& caption,
                                        MessageButtons buttons) {
    wipe();
    return messages_.present(text, caption, buttons);
}

MessageAnswer TerminalProgress::presentMessage(const Message& message, MessageButtons buttons) {
    wipe();
    return messages_.presentMessage(message, buttons);
}

void TerminalProgress::wipe() {
    // Cleared first: the terminal stream may itself flush `output`, which
    // comes back here.
    if (std::exchange(lineShown_, false)) {
        terminal_ << '\r' << kEraseToEnd << std::flush;
    }
}

int TerminalProgress::Wiper::sync() {
    owner_.wipe();
    return 0;
}

}  // namespace qz5
