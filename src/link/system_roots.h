// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace qz5 {

// Where the operating system's view of serial devices lives. The real places
// by default; tests build a fake tree in a temporary folder and point here.
struct SystemRoots {
    std::string devDir = "/dev";
    std::string sysRoot = "/sys";
    std::string procRoot = "/proc";
    std::string udevDataDir = "/run/udev/data";
    // /var/lock is a link to /run/lock on most systems, a folder of its own on
    // some; a program may have written its lock file in either.
    std::vector<std::string> lockDirs{"/run/lock", "/var/lock"};
    std::string flatpakInfo = "/.flatpak-info";
};

}  // namespace qz5
