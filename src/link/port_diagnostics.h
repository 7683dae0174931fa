// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "common/outcome.h"
#include "link/open_refusal.h"
#include "link/system_roots.h"

namespace qz5 {

// A process that has a device open.
struct PortHolder {
    int pid = 0;
    Text name;
};

// Processes that hold the device: its flock holder (/proc/locks) and any
// process with it open (/proc/*/fd), as far as this user may look.
std::vector<PortHolder> findHolders(const std::string& devicePath, const SystemRoots& roots);

// Calls `seen` with each file that a visible process has open, as stat()
// finds it; `seen` returns false to skip the rest of that process's files.
void forEachOpenFile(const SystemRoots& roots,
                     const std::function<bool(int pid, const struct stat& file)>& seen);

// What a permission refusal depends on, gathered from the device and the user.
struct DeviceAccess {
    std::string owner;
    std::string group;
    bool groupMayUse = false;   // the group may read and write
    bool inGroupNow = false;    // this process has the group
    bool inGroupLater = false;  // the user database lists the user in it
};

// Plain-language explanations, one or more sentences with what to do; lock
// files that were not believed are named at the end.
Text explainPermission(const std::string& devicePath, const DeviceAccess& access);
Text explainRefusal(const std::string& devicePath, const OpenRefusal& refusal,
                    const SystemRoots& roots);
// The kind of failure the refusal stands for, told apart as explainRefusal does.
FailureKind refusalKind(const OpenRefusal& refusal);

}  // namespace qz5
