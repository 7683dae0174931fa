#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "common/user_state_dir.h"

namespace qz5 {

namespace {

// A relative or empty value is to be ignored, as the base directory rules say.
std::filesystem::path absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') {
        return {};
    }
    return value;
}

std::filesystem::path homeDir() {
    if (auto home = absoluteFromEnvironment("HOME"); !home.empty()) {
        return home;
    }
    const passwd* user = getpwuid(getuid());
    return user != nullptr && user->pw_dir != nullptr && user->pw_dir[0] == '/'
               ? std::filesystem::path(user->pw_dir)
               : std::filesystem::path();
}

}  // namespace

std::filesystem::path userStateDir() {
    std::filesystem::path base = absoluteFromEnvironment("XDG_STATE_HOME");
    if (base.empty()) {
        const std::filesystem::path home = homeDir();
        if (home.empty()) {
            return {};
        }
        base = home / ".local" / "state";
    }
    return base / "qz5-config";
}

}  // namespace qz5
