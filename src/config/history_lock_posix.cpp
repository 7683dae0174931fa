// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/outside_text.h"
#include "config/history_lock.h"

namespace qz5 {

namespace {
constexpr std::intptr_t kNone = -1;
}

HistoryLock::HistoryLock(const std::filesystem::path& folder) : handle_(kNone) {
    const std::filesystem::path file = folder / kHistoryLockName;
    // The folder is the user's alone, checked before; a link here is no lock.
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0) {
        problem_ = say("Files", "%1: %2")
                       .with(printableText(file.string()), std::string(std::strerror(errno)));
        return;
    }
    int locked = 0;
    do {
        locked = ::flock(fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        problem_ = say("History", "cannot lock %1: %2")
                       .with(printableText(file.string()), std::string(std::strerror(errno)));
        ::close(fd);
        return;
    }
    handle_ = fd;
}

HistoryLock::~HistoryLock() {
    if (handle_ != kNone) {
        ::close(static_cast<int>(handle_));
    }
}

}  // namespace qz5
