// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ignored_lock.h"

namespace qz5 {

std::string describeIgnoredLocks(const std::vector<IgnoredLock>& ignored) {
    std::string text;
    for (const IgnoredLock& lock : ignored) {
        text += (text.empty() ? "" : " ") + std::string("Ignored the lock file ") + lock.path +
                ": " + lock.reason + ".";
    }
    return text;
}

}  // namespace qz5
