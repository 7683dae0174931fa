// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/uucp_lock_linux.h"

#include <signal.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <set>
#include <string_view>

#include "common/regular_file_posix.h"

namespace qz5 {

namespace {

namespace fs = std::filesystem;

// Ten digits, a line break and some room: whatever else a file holds is no
// lock, and a writer behind it never makes us read more.
constexpr std::size_t kLockFileBytes = 64;
// The real uid is on the ninth line or so of a status file.
constexpr std::size_t kStatusBytes = 4096;

// "/dev/ttyUSB0" -> "LCK..ttyUSB0", "/dev/pts/3" -> "LCK..pts_3".
std::string lockName(const fs::path& device) {
    std::string name = device.lexically_relative("/dev").string();
    if (name.empty() || name.starts_with("..")) {
        name = device.filename().string();
    }
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    return "LCK.." + name;
}

}  // namespace

// Text is believed only when nothing but blanks follows the number: a binary
// id of a real process ends in a zero byte, which may follow digit bytes.
int lockOwner(std::string_view content) {
    int pid = 0;
    const std::string_view text =
        content.substr(std::min(content.find_first_not_of(" \t"), content.size()));
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pid);
    const std::string_view rest(end, static_cast<std::size_t>(text.data() + text.size() - end));
    if (error == std::errc() && rest.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return pid;
    }
    pid = 0;
    if (content.size() == sizeof(int)) {
        std::memcpy(&pid, content.data(), sizeof pid);
    }
    return pid;
}

namespace {

std::string_view asText(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// The real uid of a process from "Uid:\t1000\t1000\t1000\t1000".
std::optional<uid_t> realUserOf(int pid, const SystemRoots& roots) {
    // A status that cannot be read has no bytes, and so no uid either.
    const FileRead status = readRegularFile(
        (fs::path(roots.procRoot) / std::to_string(pid) / "status").string(), kStatusBytes);
    const std::string_view text = asText(status.bytes);
    constexpr std::string_view kUid = "\nUid:";
    const auto at = text.find(kUid);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = text.substr(at + kUid.size());
    rest.remove_prefix(std::min(rest.find_first_not_of(" \t"), rest.size()));
    uid_t uid = 0;
    if (std::from_chars(rest.data(), rest.data() + rest.size(), uid).ec != std::errc()) {
        return std::nullopt;
    }
    return uid;
}

// Why a lock file naming a running process is not believed; nothing when it is.
std::optional<Text> distrust(uid_t fileOwner, int pid, const SystemRoots& roots) {
    if (fileOwner == 0) {
        return std::nullopt;
    }
    const auto runner = realUserOf(pid, roots);
    if (!runner) {
        return say("Ports", "it is not root's, and who runs process %1 cannot be seen")
            .with(std::to_string(pid));
    }
    if (*runner != fileOwner) {
        return say("Ports", "its owner (uid %1) does not run process %2")
            .with(std::to_string(fileOwner), std::to_string(pid));
    }
    return std::nullopt;
}

}  // namespace

bool processExists(int pid) {
    return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM);
}

UucpLockCheck checkUucpLocks(const std::string& devicePath, const SystemRoots& roots) {
    // A program may have locked the name it was given or the device behind a link.
    std::set<std::string> names{lockName(devicePath)};
    std::error_code error;
    if (const fs::path real = fs::canonical(devicePath, error); !error) {
        names.insert(lockName(real));
    }
    UucpLockCheck check;
    for (const std::string& dir : roots.lockDirs) {
        for (const std::string& name : names) {
            const std::string file = (fs::path(dir) / name).string();
            uid_t owner = 0;
            const FileRead lock = readRegularFileNoFollow(file, kLockFileBytes, owner);
            if (lock.status == FileReadStatus::NotRegular) {
                check.ignored.push_back({file, say("Ports", "it is not a regular file")});
                continue;
            }
            // None there, one we may not read, or one naming no live process.
            const int pid = lockOwner(asText(lock.bytes));
            if (lock.status != FileReadStatus::Read || !processExists(pid)) {
                continue;
            }
            if (auto why = distrust(owner, pid, roots)) {
                check.ignored.push_back({file, std::move(*why)});
            } else if (!check.live) {
                check.live = UucpLock{file, pid};
            }
        }
    }
    return check;
}

}  // namespace qz5
