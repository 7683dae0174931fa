#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qz5 {

// A lock file ("LCK..ttyUSB0") by which a terminal program says it holds a port.
struct UucpLock {
    std::string path;
    int pid = 0;
};

// The lock file of a device whose owner is still running; one whose owner has
// gone is stale and ignored, as every program that honours these files does.
std::optional<UucpLock> liveUucpLock(const std::string& devicePath,
                                     const std::vector<std::string>& lockDirs);

// Whether a process with that id exists (also one of another user).
bool processExists(int pid);

}  // namespace qz5
