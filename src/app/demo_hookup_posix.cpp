// SPDX-License-Identifier: GPL-3.0-or-later
#include <system_error>

#include "app/demo_hookup.h"
#include "app/demo_tracker.h"

namespace qz5 {
namespace {

class PtyDemo : public DemoHookup {
  public:
    const PortTable& ports() const override { return demo_.ports(); }

  private:
    DemoTracker demo_;
};

}  // namespace

std::unique_ptr<DemoHookup> startDemo(std::string& error) {
    try {
        return std::make_unique<PtyDemo>();
    } catch (const std::system_error& failure) {
        error = failure.what();
        return nullptr;
    }
}

}  // namespace qz5
