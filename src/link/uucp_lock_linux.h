// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/ignored_lock.h"
#include "link/system_roots.h"

namespace qz5 {

// A lock file ("LCK..ttyUSB0") by which a terminal program says it holds a port.
struct UucpLock {
    std::string path;
    int pid = 0;
};

struct UucpLockCheck {
    std::optional<UucpLock> live;
    std::vector<IgnoredLock> ignored;
};

// The lock files of a device. One whose owner has gone is stale and passed
// over, as every program that honours these files does. The lock folder is
// writable by every user, so a file is believed only when it is a regular
// file owned by root or by the user who runs the process it names (the real
// uid in /proc/PID/status; where that is hidden, only root's files count).
UucpLockCheck checkUucpLocks(const std::string& devicePath, const SystemRoots& roots);

// The process id a lock file's contents name: "      1234\n" as most programs
// write it, or a binary int as very old ones did; 0 when neither.
int lockOwner(std::string_view content);

// Whether a process with that id exists (also one of another user).
bool processExists(int pid);

}  // namespace qz5
