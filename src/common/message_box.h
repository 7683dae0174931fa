// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace qz5 {

// The button sets the program asks for. OkCancel and DiscardCancel make Cancel
// the default, so a careless Enter never confirms.
enum class MessageButtons { Ok, OkCancel, DiscardCancel };
enum class MessageAnswer { Ok, Cancel, Discard };

// Shows a message and waits for the user's answer. The window installs a Qt
// box, the command-line tool writes to stderr, tests record and script answers.
class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    // An empty caption means the box has no caption of its own.
    virtual MessageAnswer present(const std::string& text, const std::string& caption,
                                  MessageButtons buttons) = 0;
    // A message with the reason behind it. A presenter with no place for a
    // reason shows the message alone.
    virtual MessageAnswer presentWithDetail(const std::string& text, const std::string& caption,
                                            MessageButtons buttons, const std::string& detail) {
        static_cast<void>(detail);
        return present(text, caption, buttons);
    }
};

// Writes "caption: text" (or the text alone) to stderr and answers Ok to Ok
// boxes and Cancel to questions, so nothing risky is ever confirmed unattended.
class StderrPresenter final : public MessagePresenter {
  public:
    MessageAnswer present(const std::string& text, const std::string& caption,
                          MessageButtons buttons) override;
    // The reason goes on the lines after the message.
    MessageAnswer presentWithDetail(const std::string& text, const std::string& caption,
                                    MessageButtons buttons, const std::string& detail) override;
};

// Shows nothing and answers Ok, for work whose boxes nobody is to see.
class SilentPresenter final : public MessagePresenter {
  public:
    MessageAnswer present(const std::string&, const std::string&, MessageButtons) override {
        return MessageAnswer::Ok;
    }
};

// Installs the process-wide presenter; nullptr restores the stderr presenter.
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

// Installs a presenter for the calling thread only, for the life of a scope; on
// that thread it takes the place of the process-wide one. Work moved off the
// GUI thread uses it, so that no box ever opens there.
class ScopedThreadMessagePresenter {
  public:
    explicit ScopedThreadMessagePresenter(MessagePresenter& presenter);
    ~ScopedThreadMessagePresenter();
    ScopedThreadMessagePresenter(const ScopedThreadMessagePresenter&) = delete;
    ScopedThreadMessagePresenter& operator=(const ScopedThreadMessagePresenter&) = delete;

  private:
    MessagePresenter* previous_;
};

MessageAnswer showMessage(std::string_view text, std::string_view caption,
                          MessageButtons buttons = MessageButtons::Ok);
// A message with the reason behind it; an empty detail is none.
MessageAnswer showMessageWithDetail(std::string_view text, std::string_view caption,
                                    MessageButtons buttons, std::string_view detail);

// The shared error box: no caption, one OK button. Always true, so a failing
// operation can return it as its own failure result.
bool reportError(std::string_view text);
// The same box, carrying the reason behind the failure; an empty detail is none.
bool reportError(std::string_view text, std::string_view detail);

}  // namespace qz5
