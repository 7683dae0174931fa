// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/system_roots.h"

namespace qz5 {

// The devices that processes other than this one have open, as one look at
// the system found them. A process of another user is seen by root only.
class OtherHolders {
  public:
    static OtherHolders look(const SystemRoots& roots = {});
    bool hold(const std::string& devicePath) const;

  private:
    std::vector<std::uint64_t> devices_;
};

}  // namespace qz5
