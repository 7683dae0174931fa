// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/text.h"

namespace qz5 {

// What a file dialog is asked to show.
struct FileDialogRequest {
    Text title;
    std::string defaultExtension;  // added when the user types a name without one
    std::string initialName;       // proposed name; empty for none
    Text filterDescription;
    std::string filterPattern;
    std::vector<std::string> places;  // folders offered beside the usual ones
};

// A request for a configuration file.
inline FileDialogRequest configFileRequest(Text title, std::string initialName) {
    return {
        std::move(title), "zb3", std::move(initialName), say("Files", "Zelbin3 Config files *.zb3"),
        "*.zb3",          {}};
}

// Asks the user for a file path. The window talks to this seam only, so tests
// can script the answers.
class FilePrompt {
  public:
    virtual ~FilePrompt() = default;
    // A file to read; it need not exist, but its folder must. Nothing when
    // cancelled.
    virtual std::optional<std::string> openPath(const FileDialogRequest& request) = 0;
    // A file to write; the user confirms before an existing file is replaced.
    virtual std::optional<std::string> savePath(const FileDialogRequest& request) = 0;
};

}  // namespace qz5
