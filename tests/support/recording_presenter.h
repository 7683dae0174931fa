// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "common/message_box.h"

namespace qz5::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageButtons buttons;

    bool operator==(const ShownMessage&) const = default;
};

// Lets a failed comparison show the box instead of raw bytes.
inline void PrintTo(const ShownMessage& message, std::ostream* out) {
    *out << '{' << (message.caption.empty() ? "(no caption)" : message.caption) << ": \""
         << message.text << "\""
         << (message.buttons == MessageButtons::OkCancel        ? " OK/Cancel"
             : message.buttons == MessageButtons::DiscardCancel ? " Discard/Cancel"
                                                                : "")
         << '}';
}

// Records every box and answers questions from a script (Ok when the script
// is empty). Installs itself for its own lifetime. A box asked for on another
// thread than the one that installed it fails the test: boxes belong to the
// GUI thread.
class RecordingPresenter final : public MessagePresenter {
  public:
    RecordingPresenter() : previous_(setMessagePresenter(this)) {}
    ~RecordingPresenter() override { setMessagePresenter(previous_); }
    RecordingPresenter(const RecordingPresenter&) = delete;
    RecordingPresenter& operator=(const RecordingPresenter&) = delete;

    MessageAnswer present(const Text& text, const Text& caption, MessageButtons buttons) override {
        return presentMessage(Message{text, caption}, buttons);
    }

    MessageAnswer presentMessage(const Message& message, MessageButtons buttons) override {
        EXPECT_EQ(std::this_thread::get_id(), owner_) << "box off its thread: " << message.text;
        shown.push_back({message.text, message.caption, buttons});
        messages.push_back(message);
        details.push_back(message.detail);
        hints.push_back(message.hint);
        if (answers.empty()) {
            return MessageAnswer::Ok;
        }
        MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // Texts only, in order: what most tests compare.
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& message : shown) {
            result.push_back(message.text);
        }
        return result;
    }

    std::vector<ShownMessage> shown;
    std::vector<std::string> details;  // one per box, empty for none
    std::vector<std::string> hints;    // one per box, empty for none
    std::deque<MessageAnswer> answers;
    std::vector<Message> messages;  // as the catalogues know them

  private:
    MessagePresenter* previous_;
    std::thread::id owner_ = std::this_thread::get_id();
};

}  // namespace qz5::testing
