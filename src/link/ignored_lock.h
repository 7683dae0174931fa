// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "common/text.h"

namespace qz5 {

// A lock file that names a running process but is not believed, and why.
struct IgnoredLock {
    std::string path;
    Text reason;
};

// "Ignored the lock file X: reason." for each, one sentence after another.
Text describeIgnoredLocks(const std::vector<IgnoredLock>& ignored);

}  // namespace qz5
