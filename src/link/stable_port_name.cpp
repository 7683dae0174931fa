// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/stable_port_name.h"

namespace qz5 {

std::string stablePortName(const std::string& devicePath, const std::filesystem::path& byIdFolder) {
    // Compared by where the links end: equivalent() declines two device nodes.
    std::error_code error;
    const std::filesystem::path device = std::filesystem::canonical(devicePath, error);
    if (error) {
        return devicePath;
    }
    // Explicit steps with an error code: a folder that fails half way through
    // must not throw out of a name that history and tones rely on.
    for (std::filesystem::directory_iterator item(byIdFolder, error), end; !error && item != end;
         item.increment(error)) {
        std::error_code linkError;
        if (std::filesystem::canonical(item->path(), linkError) == device && !linkError) {
            return item->path().string();
        }
    }
    return devicePath;
}

}  // namespace qz5
