// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "common/text.h"

namespace qz5 {

// What went wrong, in a form a front end can act on without reading the words:
// each kind asks the user for a different remedy.
enum class FailureKind {
    NotFound,      // the port worked, but no tracker answered on it
    PortBusy,      // another program holds the port
    PortDenied,    // the system does not let this user open the port
    PortMissing,   // no device by that name, or none was chosen
    PortFailed,    // the port would not open or take its settings for another reason
    WriteFailed,   // bytes did not go out to the tracker
    ReadFailed,    // bytes could not be read from the tracker
    ReadsDiffer,   // two reads of the image gave two answers
    VerifyFailed,  // what a write read back differs from what went out
    BadSize,       // an image or buffer of another size than the tracker's
    NotAFile,      // a path that names a folder, a pipe or a device
    CannotLoad,    // a file that cannot be opened or read
    BadFile,       // a file that is no configuration, or is cut short
    CannotSave,    // a file that cannot be written
};

// Words for a person: the text, its caption (empty: none of its own), the
// reason behind it and what to try next (empty: none).
struct Message {
    Text text{};
    Text caption{};
    Text detail{};
    Text hint{};

    bool operator==(const Message&) const = default;
};

// Everything a step raised for a person, in the order it arose.
using Notices = std::vector<Message>;

// Why a step failed, and what to tell the user. A failure with an empty text
// is a quiet one: the caller decides whether to say anything.
struct Failure {
    FailureKind kind;
    Message message;
};

// The value of a step that has nothing to give back.
struct Done {};

// What a step did: its value or its failure, and everything it raised for a
// person on the way, the failure's own message included at the point it
// arose. Nothing below the front ends shows a message; they present these.
template <typename T = Done>
class [[nodiscard]] Outcome {
  public:
    Outcome() requires std::is_same_v<T, Done> : result_(Done{}) {}
    Outcome(T value) : result_(std::move(value)) {}           // NOLINT: a value is a success
    Outcome(Failure failure) : result_(std::move(failure)) {  // NOLINT: so is a failure
        const Message& message = std::get<Failure>(result_).message;
        if (!message.text.empty()) {
            messages_.push_back(message);
        }
    }
    // A failed step of another type, passed on with its messages.
    template <typename U>
    requires(!std::is_same_v<T, U>) explicit Outcome(Outcome<U>&& failed)
        : result_(*failed.failure()), messages_(std::move(failed).takeMessages()) {}

    explicit operator bool() const { return std::holds_alternative<T>(result_); }
    T& operator*() { return std::get<T>(result_); }
    const T& operator*() const { return std::get<T>(result_); }
    T* operator->() { return &std::get<T>(result_); }
    const T* operator->() const { return &std::get<T>(result_); }

    // The failure, or nullptr after a success.
    const Failure* failure() const { return std::get_if<Failure>(&result_); }

    const Notices& messages() const { return messages_; }
    Notices takeMessages() && { return std::move(messages_); }

    // Puts what earlier steps raised before this one's messages.
    Outcome&& after(Notices earlier) && {
        earlier.insert(earlier.end(), messages_.begin(), messages_.end());
        messages_ = std::move(earlier);
        return std::move(*this);
    }
    // Adds a message raised after everything so far.
    Outcome& notice(Message message) & {
        messages_.push_back(std::move(message));
        return *this;
    }
    Outcome&& notice(Message message) && { return std::move(notice(std::move(message))); }
    // Adds what a later step raised, whatever became of that step.
    template <typename U>
    Outcome& also(const Outcome<U>& later) & {
        messages_.insert(messages_.end(), later.messages().begin(), later.messages().end());
        return *this;
    }
    template <typename U>
    Outcome&& also(const Outcome<U>& later) && {
        return std::move(also(later));
    }

  private:
    std::variant<T, Failure> result_;
    Notices messages_;
};

// Adds what `step` raised to `into` and hands the step back for its result.
template <typename T>
const Outcome<T>& collect(Notices& into, const Outcome<T>& step) {
    into.insert(into.end(), step.messages().begin(), step.messages().end());
    return step;
}

}  // namespace qz5
