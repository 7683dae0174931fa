// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace qz5 {

// Why an exclusive open of a serial device was refused.
struct OpenRefusal {
    enum class Kind {
        None,
        System,           // open() failed; `error` says why
        Locked,           // another open file holds the device's flock
        MarkedExclusive,  // another program set TIOCEXCL on it
        LockFile,         // a live lock file names its holder
    };
    Kind kind = Kind::None;
    int error = 0;
    int lockFilePid = 0;
    std::string lockFile;
};

}  // namespace qz5
