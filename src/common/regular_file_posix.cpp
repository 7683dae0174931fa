// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/regular_file_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace qz5 {

namespace {

FileRead readFile(const std::string& path, std::size_t limit, int extraFlags, struct stat& info) {
    FileRead result;
    // Non-blocking, so a FIFO opens at once instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | extraFlags);
    if (fd < 0) {
        result.error = errno;
        // A link where links are refused is no regular file either.
        if (result.error == ELOOP && (extraFlags & O_NOFOLLOW) != 0) {
            result.status = FileReadStatus::NotRegular;
        }
        return result;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = FileReadStatus::NotRegular;
        ::close(fd);
        return result;
    }
    // Regular files are read without interruption: no EINTR to retry.
    readOpenedFile(result, limit, [fd](std::uint8_t* into, std::size_t wanted) {
        return static_cast<std::ptrdiff_t>(::read(fd, into, wanted));
    });
    ::close(fd);
    return result;
}

}  // namespace

FileRead readRegularFile(const std::string& path, std::size_t limit) {
    struct stat info {};
    return readFile(path, limit, 0, info);
}

FileRead readRegularFileNoFollow(const std::string& path, std::size_t limit, uid_t& owner) {
    struct stat info {};
    FileRead result = readFile(path, limit, O_NOFOLLOW, info);
    owner = result.status == FileReadStatus::Read ? info.st_uid : static_cast<uid_t>(-1);
    return result;
}

}  // namespace qz5
