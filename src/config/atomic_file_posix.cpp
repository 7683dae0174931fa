// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

#include "common/link_walk_posix.h"
#include "common/regular_file.h"
#include "config/atomic_file.h"
#include "config/extended_attributes.h"

namespace qz5 {
namespace {

namespace fs = std::filesystem;

constexpr int kNameAttempts = 100;
// The temporary file's name for a file whose own name leaves no room for more.
constexpr std::string_view kShortStem = "qz5-save";
// What an in-place save keeps in memory to put back: a configuration file is
// 136 bytes, so a far larger file was surely picked by mistake.
constexpr std::size_t kMaxInPlaceBytes = 1 << 20;

// The rename needs only the folder's permission; an existing file must also
// be writable, or the save would replace a file the user protected. errno
// says why not.
bool mayReplace(const fs::path& target) {
    struct stat existing {};
    if (::lstat(target.c_str(), &existing) != 0) {
        return errno == ENOENT;
    }
    if (!S_ISREG(existing.st_mode)) {
        errno = S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

// Created readable by its owner alone: nobody may open it while it is
// written, whatever permissions the file gets in the end.
int createTemporary(const fs::path& target, std::string& temporary) {
    const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    std::string stem = target.filename().string();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        // Appended piece by piece: GCC 12 misreports "literal" + std::string at -O3.
        std::string name = ".";
        name += stem;
        name += ".tmp-";
        name += std::to_string(getpid());
        name += '-';
        name += std::to_string(seed + static_cast<unsigned>(attempt));
        temporary = (target.parent_path() / name).string();
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (fd >= 0) {
            return fd;
        }
        if (errno == ENAMETOOLONG && stem != kShortStem) {
            stem = kShortStem;
        } else if (errno != EEXIST) {
            return -1;
        }
    }
    return -1;
}

// Read where it is kept: setting the umask to learn it would leave another
// thread's files without one for a moment.
mode_t currentUmask() {
    const FileRead status = readRegularFile("/proc/self/status", 1024);
    const std::string_view text(reinterpret_cast<const char*>(status.bytes.data()),
                                status.bytes.size());
    constexpr std::string_view kUmask = "\nUmask:\t";
    if (const auto at = text.find(kUmask); at != std::string_view::npos) {
        unsigned mask = 0;
        const char* digits = text.data() + at + kUmask.size();
        if (std::from_chars(digits, text.data() + text.size(), mask, 8).ec == std::errc()) {
            return static_cast<mode_t>(mask & 0777);
        }
    }
    // Older kernels: the strict mask is the one set for that moment.
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return mask;
}

// The new file's owner and permissions, given once it holds its contents. An
// existing file keeps its owner and group where this process may give them
// (root saving over a user's file), and its permission bits but never
// set-user-id and the like; a group it cannot keep gets no rights, rather
// than another group getting them. Whether the group was kept.
bool settleAccess(int fd, const std::optional<struct stat>& old, NewFileAccess access) {
    if (!old) {
        const mode_t mode = access == NewFileAccess::OwnerOnly ? 0600 : 0666 & ~currentUmask();
        ::fchmod(fd, mode);
        return true;
    }
    const bool groupKept = ::fchown(fd, old->st_uid, old->st_gid) == 0 ||
                           ::fchown(fd, static_cast<uid_t>(-1), old->st_gid) == 0;
    mode_t mode = old->st_mode & 0777;
    struct stat now {};
    const bool sameGroup = groupKept && ::fstat(fd, &now) == 0 && now.st_gid == old->st_gid;
    if (!sameGroup) {
        mode &= ~static_cast<mode_t>(S_IRWXG);
    }
    ::fchmod(fd, mode);
    return sameGroup;
}

// Durability of the rename itself; the new file is in place either way, so a
// failure here is not a failed save.
void syncDirectory(const fs::path& target) {
    const fs::path folder = target.parent_path();
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A failure, with errno set to what caused it, for the caller's message;
// the clean-up after a failure would otherwise leave its own there.
ReplaceResult failedWith(ReplaceResult result, int error) {
    errno = error != 0 ? error : EIO;
    return result;
}

bool readWhole(int fd, std::vector<std::uint8_t>& bytes) {
    for (std::size_t got = 0; got < bytes.size();) {
        const ssize_t n =
            ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    return true;
}

bool writeFromStart(int fd, std::span<const std::uint8_t> bytes, SaveCalls& calls) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && calls.writeAll(fd, bytes) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && calls.sync(fd) == 0;
}

// For a folder that takes no new file but holds a file the user may write:
// the file is written where it is. Its old bytes are kept first and put back
// when anything fails, so that a failed save still leaves it as it was.
ReplaceResult overwriteInPlace(const fs::path& target, const ContentsSource& contents,
                               SaveCalls& calls) {
    const int fd = ::open(target.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return ReplaceResult::OpenFailed;
    }
    struct stat info {};
    const bool usable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                        static_cast<std::size_t>(info.st_size) <= kMaxInPlaceBytes;
    std::vector<std::uint8_t> old(usable ? static_cast<std::size_t>(info.st_size) : 0);
    if (!usable || !readWhole(fd, old)) {
        ::close(fd);
        return failedWith(ReplaceResult::OpenFailed, usable ? EIO : EFBIG);
    }
    // Only the permission bits stay, as on a replaced file.
    if ((info.st_mode & 07000) != 0) {
        ::fchmod(fd, info.st_mode & 0777);
    }
    const bool written = writeFromStart(fd, contents(), calls);
    const int error = errno;
    if (!written) {
        SystemSaveCalls plain;
        writeFromStart(fd, old, plain);
    }
    // After fsync the bytes are on the disk; close can tell nothing more.
    ::close(fd);
    return written ? ReplaceResult::Replaced : failedWith(ReplaceResult::WriteFailed, error);
}

}  // namespace

std::ptrdiff_t SystemSaveCalls::write(int fd, std::span<const std::uint8_t> bytes) {
    return ::write(fd, bytes.data(), bytes.size());
}

int SystemSaveCalls::sync(int fd) {
    return ::fsync(fd);
}

int SystemSaveCalls::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str());
}

ReplaceResult replaceFile(const std::string& path, const ContentsSource& contents, SaveCalls& calls,
                          NewFileAccess access) {
    // Every link on the way is resolved once, here: the temporary file, the
    // rename and the in-place fallback then use a path that holds none.
    const std::optional<fs::path> target = followTrustedLinks(path);
    if (!target) {
        return failedWith(ReplaceResult::UntrustedLink, EPERM);
    }
    if (!mayReplace(*target)) {
        return failedWith(ReplaceResult::OpenFailed, errno);
    }
    std::optional<struct stat> old;
    if (struct stat existing{}; ::stat(target->c_str(), &existing) == 0) {
        old = existing;
    }
    std::string temporary;
    const int fd = createTemporary(*target, temporary);
    if (fd < 0) {
        return old ? overwriteInPlace(*target, contents, calls)
                   : failedWith(ReplaceResult::OpenFailed, errno);
    }
    std::vector<std::uint8_t> bytes = contents();
    errno = 0;
    bool ok = calls.writeAll(fd, bytes);
    if (ok) {
        const bool sameGroup = settleAccess(fd, old, access);
        // Who may read the file must not change with the save: where the old
        // file's ACL cannot go on the new one, the old file takes the bytes.
        if (old && !copyAccessAttributes(*target, fd, sameGroup)) {
            ::close(fd);
            ::unlink(temporary.c_str());
            return overwriteInPlace(
                *target, [&bytes] { return std::move(bytes); }, calls);
        }
        ok = calls.sync(fd) == 0;
    }
    ok = ::close(fd) == 0 && ok;
    ok = ok && calls.rename(temporary, target->string()) == 0;
    if (!ok) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failedWith(ReplaceResult::WriteFailed, error);
    }
    syncDirectory(*target);
    return ReplaceResult::Replaced;
}

}  // namespace qz5
