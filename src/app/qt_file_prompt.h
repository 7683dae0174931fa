// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/file_prompt.h"

namespace qz5 {

// The toolkit's file dialogs, modal to the whole application.
class QtFilePrompt final : public FilePrompt {
  public:
    std::optional<std::string> openPath(const FileDialogRequest& request) override;
    std::optional<std::string> savePath(const FileDialogRequest& request) override;
};

}  // namespace qz5
