#include "app/history_place.h"

#include <cstdlib>

namespace qz5 {

namespace {

constexpr const char* kHistory = "/qz5-config/history";

}  // namespace

std::string historyFolderPath() {
    const char* state = std::getenv("XDG_STATE_HOME");
    // A relative value is invalid by the base-directory rules and must be ignored.
    if (state != nullptr && state[0] == '/') {
        return std::string(state) + kHistory;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        return {};
    }
    return std::string(home) + "/.local/state" + kHistory;
}

}  // namespace qz5
