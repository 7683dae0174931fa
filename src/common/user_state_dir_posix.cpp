// SPDX-License-Identifier: GPL-3.0-or-later
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <utility>

#include "common/outside_text.h"
#include "common/user_state_dir.h"

namespace qz5 {

namespace {

Notices& untoldNotices() {
    static Notices untold;
    return untold;
}

// A relative or empty value is to be ignored, as the base directory rules say.
std::filesystem::path absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') {
        return {};
    }
    return value;
}

std::filesystem::path ownHome() {
    const passwd* user = getpwuid(geteuid());
    return user != nullptr && user->pw_dir != nullptr && user->pw_dir[0] == '/'
               ? std::filesystem::path(user->pw_dir)
               : std::filesystem::path();
}

std::filesystem::path homeDir() {
    if (auto home = absoluteFromEnvironment("HOME"); !home.empty()) {
        return home;
    }
    return ownHome();
}

// $NAME, or the folder under `home` that the base directory rules name.
std::filesystem::path baseDir(const char* name, const char* underHome,
                              const std::filesystem::path& home) {
    if (auto base = absoluteFromEnvironment(name); !base.empty()) {
        return base;
    }
    return home.empty() ? home : home / underHome;
}

std::filesystem::path inBase(const std::filesystem::path& base) {
    return base.empty() ? base : base / "qz5-config";
}

// Whose the folders are that the program would create on the way to
// `folder`: those of the nearest one that exists.
std::optional<uid_t> ownerOfNearest(std::filesystem::path folder) {
    for (;;) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) == 0) {
            return info.st_uid;
        }
        if (folder == folder.parent_path() || folder.empty()) {
            return std::nullopt;
        }
        folder = folder.parent_path();
    }
}

// Root with a user's HOME (sudo -E, or sudo keeping HOME) would leave
// root-owned folders in that home, which its owner then cannot use; an
// ordinary user must not put files into another user's folders either. Such a
// place is left alone, for the effective user's own folders.
std::filesystem::path ownFolder(const char* name, const char* underHome) {
    std::filesystem::path chosen = inBase(baseDir(name, underHome, homeDir()));
    const auto owner = chosen.empty() ? std::nullopt : ownerOfNearest(chosen);
    const uid_t self = ::geteuid();
    const bool foreign = owner && *owner != self && (self == 0 || *owner != 0);
    if (!foreign) {
        return chosen;
    }
    std::filesystem::path own = inBase(ownHome().empty() ? ownHome() : ownHome() / underHome);
    static bool warned = false;
    if (!std::exchange(warned, true)) {
        untoldNotices().push_back(
            {say("Files", "%1 is another user's; using %2 instead")
                 .with(printableText(chosen.string()), printableText(own.string())),
             say("Files", "warning")});
    }
    return own;
}

}  // namespace

std::filesystem::path userStateBase() {
    return baseDir("XDG_STATE_HOME", ".local/state", homeDir());
}

std::filesystem::path userStateDir() {
    return ownFolder("XDG_STATE_HOME", ".local/state");
}

std::filesystem::path userConfigDir() {
    return ownFolder("XDG_CONFIG_HOME", ".config");
}

Notices takeUserFolderNotices() {
    return std::exchange(untoldNotices(), {});
}

}  // namespace qz5
