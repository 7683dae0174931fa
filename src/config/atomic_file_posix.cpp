#include "config/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>

namespace qz5 {
namespace {

constexpr int kNameAttempts = 100;
// As many links as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

// The file a save really lands in: a link is followed to its end, so that the
// link itself survives and the file it names gets the new contents.
std::optional<std::filesystem::path> followLinks(std::filesystem::path path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error)) {
            return path;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) {
            return std::nullopt;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// The rename needs only the folder's permission; an existing file must also
// be writable, or the save would replace a file the user protected.
bool mayReplace(const std::filesystem::path& target) {
    struct stat existing {};
    if (::lstat(target.c_str(), &existing) != 0) {
        return errno == ENOENT;
    }
    return S_ISREG(existing.st_mode) &&
           ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

// O_EXCL with mode 0666 lets the umask decide a new file's permissions, as it
// would for a file created in place.
int createTemporary(const std::filesystem::path& target, std::string& temporary) {
    const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        // Appended piece by piece: GCC 12 misreports "literal" + std::string at -O3.
        std::string name = ".";
        name += target.filename().string();
        name += ".tmp-";
        name += std::to_string(getpid());
        name += '-';
        name += std::to_string(seed + attempt);
        temporary = (target.parent_path() / name).string();
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Durability of the rename itself; the new file is in place either way, so a
// failure here is not a failed save.
void syncDirectory(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path();
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
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

ReplaceResult replaceFile(const std::string& path, const ContentsSource& contents,
                          SaveCalls& calls) {
    const auto target = followLinks(path);
    if (!target || !mayReplace(*target)) {
        return ReplaceResult::OpenFailed;
    }
    std::string temporary;
    const int fd = createTemporary(*target, temporary);
    if (fd < 0) {
        return ReplaceResult::OpenFailed;
    }
    struct stat existing {};
    if (::stat(target->c_str(), &existing) == 0) {
        // Best effort: a file whose mode cannot be kept is still better saved.
        ::fchmod(fd, existing.st_mode & 07777);
    }
    const std::vector<std::uint8_t> bytes = contents();
    bool ok = calls.writeAll(fd, bytes) && calls.sync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && calls.rename(temporary, target->string()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return ReplaceResult::WriteFailed;
    }
    syncDirectory(*target);
    return ReplaceResult::Replaced;
}

}  // namespace qz5
