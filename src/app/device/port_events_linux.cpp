// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSocketNotifier>

#include "app/device/port_events.h"
#include "link/device_events.h"

namespace qz5 {

namespace {

class DescriptorEvents final : public PortEvents {
  public:
    DescriptorEvents(std::unique_ptr<DeviceEvents> events, std::function<void()> changed)
        : events_(std::move(events)), notifier_(events_->fd(), QSocketNotifier::Read) {
        QObject::connect(&notifier_, &QSocketNotifier::activated,
                         [this, changed = std::move(changed)] {
                             if (events_->drain()) {
                                 changed();
                             }
                         });
    }

  private:
    std::unique_ptr<DeviceEvents> events_;
    QSocketNotifier notifier_;
};

}  // namespace

std::unique_ptr<PortEvents> PortEvents::listen(const SystemRoots& roots,
                                               std::function<void()> changed) {
    std::unique_ptr<DeviceEvents> events = DeviceEvents::open(roots);
    if (!events) {
        return nullptr;
    }
    return std::make_unique<DescriptorEvents>(std::move(events), std::move(changed));
}

}  // namespace qz5
