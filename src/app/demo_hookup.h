// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

namespace qz5 {

class PortTable;

// The simulated tracker behind --demo, where the system can serve one (it
// lives on a pseudo-terminal): COM1 names it for as long as this lives.
class DemoHookup {
  public:
    virtual ~DemoHookup() = default;
    virtual const PortTable& ports() const = 0;
};

// Null, with `error` saying why, when no simulated tracker can be started.
std::unique_ptr<DemoHookup> startDemo(std::string& error);

}  // namespace qz5
