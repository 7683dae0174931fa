// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/file_prompt.h"

namespace qz5::testing {

// Answers file dialogs from a script (cancel when it runs out) and records
// what each dialog was asked to show.
class ScriptedFilePrompt final : public FilePrompt {
  public:
    struct Asked {
        bool save;
        FileDialogRequest request;
    };

    std::optional<std::string> openPath(const FileDialogRequest& request) override {
        return answer(false, request);
    }
    std::optional<std::string> savePath(const FileDialogRequest& request) override {
        return answer(true, request);
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<Asked> asked;

  private:
    std::optional<std::string> answer(bool save, const FileDialogRequest& request) {
        asked.push_back({save, request});
        if (answers.empty()) {
            return std::nullopt;
        }
        auto next = answers.front();
        answers.pop_front();
        return next;
    }
};

}  // namespace qz5::testing
