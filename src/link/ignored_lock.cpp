// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ignored_lock.h"

namespace qz5 {

Text describeIgnoredLocks(const std::vector<IgnoredLock>& ignored) {
    Text text;
    for (const IgnoredLock& lock : ignored) {
        Text sentence = say("Ports", "Ignored the lock file %1: %2.").with(lock.path, lock.reason);
        text = text.empty() ? std::move(sentence)
                            : say("Ports", "%1 %2", "one sentence after another")
                                  .with(std::move(text), std::move(sentence));
    }
    return text;
}

}  // namespace qz5
