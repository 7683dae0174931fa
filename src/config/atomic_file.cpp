#include "config/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>

namespace qz5 {
namespace {

constexpr int kNameAttempts = 100;

// O_EXCL with mode 0666 lets the umask decide a new file's permissions, as it
// would for a file created in place.
int createTemporary(const std::string& path, std::string& temporary) {
    const std::filesystem::path target(path);
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

bool writeAll(SaveCalls& calls, int fd, std::span<const std::uint8_t> contents) {
    while (!contents.empty()) {
        const std::ptrdiff_t written = calls.write(fd, contents);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        contents = contents.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Durability of the rename itself; the new file is in place either way, so a
// failure here is not a failed save.
void syncDirectory(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::ptrdiff_t PosixSaveCalls::write(int fd, std::span<const std::uint8_t> bytes) {
    return ::write(fd, bytes.data(), bytes.size());
}

int PosixSaveCalls::sync(int fd) {
    return ::fsync(fd);
}

int PosixSaveCalls::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str());
}

ReplaceResult replaceFile(const std::string& path, std::span<const std::uint8_t> contents,
                          SaveCalls& calls) {
    std::string temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0) {
        return ReplaceResult::OpenFailed;
    }
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        // Best effort: a file whose mode cannot be kept is still better saved.
        ::fchmod(fd, existing.st_mode & 07777);
    }
    bool ok = writeAll(calls, fd, contents) && calls.sync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && calls.rename(temporary, path) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return ReplaceResult::WriteFailed;
    }
    syncDirectory(path);
    return ReplaceResult::Replaced;
}

}  // namespace qz5
