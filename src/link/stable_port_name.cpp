#include "link/stable_port_name.h"

namespace qz5 {

std::string stablePortName(const std::string& devicePath, const std::filesystem::path& byIdFolder) {
    // Explicit steps with an error code: a folder that fails half way through
    // must not throw out of a name that history and tones rely on.
    std::error_code error;
    for (std::filesystem::directory_iterator item(byIdFolder, error), end; !error && item != end;
         item.increment(error)) {
        std::error_code same;
        if (std::filesystem::equivalent(item->path(), devicePath, same)) {
            return item->path().string();
        }
    }
    return devicePath;
}

}  // namespace qz5
