// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <type_traits>

#include "common/message_answer.h"
#include "common/text.h"

namespace qz5 {

// What the window and qz5cfg each do their own way in a device command: where
// the steps that talk to the tracker run, and how a question is answered.
// Messages come back to the front end in the commands' outcomes.
class TrackerFrontEnd {
  public:
    virtual ~TrackerFrontEnd() = default;

    // Runs the steps that talk to the tracker and returns when they are done.
    // `title` names the command while they run.
    virtual void talk(std::string_view title, const std::function<void()>& steps) = 0;
    // The same with the title as the catalogues know it; a front end that
    // shows the reader's language names the command in that language.
    virtual void talkAbout(const Text& title, const std::function<void()>& steps) {
        talk(title.english(), steps);
    }

    // The answer to the question asked before a write that lets the tracker
    // send an Emergency beacon; anything but Ok sends nothing.
    virtual MessageAnswer askEmergency(const Text& question, const Text& caption) = 0;
};

// Runs `steps` through the front end and gives back what they returned.
template <typename Steps>
auto talkThrough(TrackerFrontEnd& frontEnd, const Text& title, Steps steps) {
    std::optional<std::invoke_result_t<Steps>> result;
    frontEnd.talkAbout(title, [&] { result = steps(); });
    return *result;
}

}  // namespace qz5
