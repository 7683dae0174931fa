// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/text.h"

namespace qz5 {

// The history folder's lock file, held exclusively while a program chooses
// the next number and stores its image under it, so that two programs storing
// at the same moment never take the same number. The system drops the lock
// when the holder ends, however it ends.
class HistoryLock {
  public:
    // Waits until the lock is had, or says why it cannot be.
    explicit HistoryLock(const std::filesystem::path& folder);
    ~HistoryLock();
    HistoryLock(const HistoryLock&) = delete;
    HistoryLock& operator=(const HistoryLock&) = delete;

    // Empty while the lock is held.
    const Text& problem() const { return problem_; }

  private:
    std::intptr_t handle_;
    Text problem_;
};

// The lock file's name in the history folder.
inline constexpr const char* kHistoryLockName = ".lock";

}  // namespace qz5
