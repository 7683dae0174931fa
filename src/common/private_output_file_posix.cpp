// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/link_refusal.h"
#include "common/link_walk_posix.h"
#include "common/private_output_file.h"

namespace qz5 {

namespace {

Text notRegular() {
    return say("Files", "it is not a regular file (a terminal, a pipe or a device)");
}

class PosixOutputFile final : public PrivateOutputFile {
  public:
    PosixOutputFile(int fd, bool emptyFirst) : fd_(fd), emptyFirst_(emptyFirst) {}
    ~PosixOutputFile() override { ::close(fd_); }
    PosixOutputFile(const PosixOutputFile&) = delete;
    PosixOutputFile& operator=(const PosixOutputFile&) = delete;

    bool write(std::string_view bytes, Text& reason) override {
        if (emptyFirst_) {
            if (::ftruncate(fd_, 0) != 0) {
                reason = std::strerror(errno);
                return false;
            }
            emptyFirst_ = false;
        }
        return writeThrough(bytes, reason, [this](const char* data, std::size_t size) {
            return static_cast<std::ptrdiff_t>(::write(fd_, data, size));
        });
    }

  private:
    int fd_;
    bool emptyFirst_;
};

}  // namespace

std::unique_ptr<PrivateOutputFile> PrivateOutputFile::open(const std::string& path, Text& reason,
                                                           Emptying emptying) {
    const auto resolved = followTrustedLinks(path);
    if (!resolved) {
        reason = say("Files", kUntrustedLinkReason);
        return nullptr;
    }
    // Non-blocking, so that a FIFO without a reader fails at once rather than
    // holding the program; no terminal becomes the controlling one.
    const int fd = ::open(resolved->c_str(),
                          O_WRONLY | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0) {
        reason = errno == ENXIO ? notRegular() : Text(std::strerror(errno));
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = notRegular();
        ::close(fd);
        return nullptr;
    }
    // Emptied only now that it is known to be a regular file.
    if (emptying == Emptying::AtOpen && ::ftruncate(fd, 0) != 0) {
        reason = std::strerror(errno);
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixOutputFile>(fd, emptying == Emptying::AtFirstWrite);
}

}  // namespace qz5
