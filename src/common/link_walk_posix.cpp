// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/link_walk_posix.h"

#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <system_error>

namespace qz5 {

namespace {

namespace fs = std::filesystem;

// As many links as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

bool mayFollow(const struct stat& link, const fs::path& folder) {
    struct stat info {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &info) != 0) {
        return false;
    }
    const bool shared = (info.st_mode & S_ISVTX) != 0 && (info.st_mode & S_IWOTH) != 0;
    return !shared || link.st_uid == ::geteuid() || link.st_uid == info.st_uid;
}

void pushParts(std::deque<fs::path>& parts, const fs::path& path) {
    std::deque<fs::path> front;
    for (const fs::path& part : path.relative_path()) {
        if (!part.empty()) {
            front.push_back(part);
        }
    }
    parts.insert(parts.begin(), front.begin(), front.end());
}

}  // namespace

std::optional<std::string> followTrustedLinks(const std::string& path) {
    // `done` holds no link, so ".." after it is its parent, as the kernel
    // would take it.
    fs::path done = fs::path(path).root_path();
    std::deque<fs::path> parts;
    pushParts(parts, path);
    int hops = 0;
    while (!parts.empty()) {
        const fs::path part = parts.front();
        parts.pop_front();
        if (part == ".") {
            continue;
        }
        if (part == "..") {
            const bool climbable = done.has_relative_path() && done.filename() != "..";
            done = climbable ? done.parent_path() : done.has_root_path() ? done : done / part;
            continue;
        }
        const fs::path next = done / part;
        struct stat entry {};
        if (::lstat(next.c_str(), &entry) != 0) {
            done = next;
            for (const fs::path& rest : parts) {
                done /= rest;
            }
            break;
        }
        if (!S_ISLNK(entry.st_mode)) {
            done = next;
            continue;
        }
        std::error_code error;
        const fs::path target = fs::read_symlink(next, error);
        if (error || ++hops > kMaxLinkHops || !mayFollow(entry, done)) {
            return std::nullopt;
        }
        if (target.is_absolute()) {
            done = target.root_path();
        }
        pushParts(parts, target);
    }
    // A trailing '/' names a folder; kept so that opening a file there fails
    // as it would have.
    if (!path.empty() && path.back() == '/' && done.has_relative_path()) {
        done /= "";
    }
    return done.empty() ? std::string(".") : done.string();
}

}  // namespace qz5
