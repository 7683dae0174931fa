// SPDX-License-Identifier: GPL-3.0-or-later
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

// $NAME, or the folder under the home that the base directory rules name.
std::filesystem::path baseDir(const char* name, const char* underHome) {
    if (auto base = absoluteFromEnvironment(name); !base.empty()) {
        return base;
    }
    const std::filesystem::path home = homeDir();
    return home.empty() ? home : home / underHome;
}

std::filesystem::path inBase(const std::filesystem::path& base) {
    return base.empty() ? base : base / "qz5-config";
}

}  // namespace

std::filesystem::path userStateDir() {
    return inBase(baseDir("XDG_STATE_HOME", ".local/state"));
}

std::filesystem::path userConfigDir() {
    return inBase(baseDir("XDG_CONFIG_HOME", ".config"));
}

}  // namespace qz5
