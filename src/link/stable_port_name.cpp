#include "link/stable_port_name.h"

namespace qz5 {

std::string stablePortName(const std::string& devicePath, const std::filesystem::path& byIdFolder) {
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(byIdFolder, error)) {
        if (std::filesystem::equivalent(item.path(), devicePath, error)) {
            return item.path().string();
        }
    }
    return devicePath;
}

}  // namespace qz5
