// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/outcome.h"

namespace qz5::testing {

// What a front end would show of the outcomes passed through it, in order.
struct SeenMessages {
    template <typename T>
    const Outcome<T>& operator()(const Outcome<T>& outcome) {
        shown.insert(shown.end(), outcome.messages().begin(), outcome.messages().end());
        return outcome;
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const Message& message : shown) {
            result.push_back(message.text);
        }
        return result;
    }

    std::vector<std::string> details() const {
        std::vector<std::string> result;
        for (const Message& message : shown) {
            result.push_back(message.detail);
        }
        return result;
    }

    std::vector<Message> shown;
};

// A byte count as the callers of a transfer see it: none after a failure.
inline std::int32_t countOf(const Outcome<std::int32_t>& outcome) {
    return outcome ? *outcome : 0;
}

}  // namespace qz5::testing
