// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>
// After windows.h, which it needs.
#include <dbt.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>

#include "app/device/port_events.h"

namespace qz5 {

namespace {

// Windows tells every top-level window when a COM port arrives or leaves.
bool portCameOrWent(const MSG& message) {
    if (message.message != WM_DEVICECHANGE ||
        (message.wParam != DBT_DEVICEARRIVAL && message.wParam != DBT_DEVICEREMOVECOMPLETE)) {
        return false;
    }
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(message.lParam);
    return header != nullptr && header->dbch_devicetype == DBT_DEVTYP_PORT;
}

class DeviceChangeFilter final : public PortEvents, public QAbstractNativeEventFilter {
  public:
    explicit DeviceChangeFilter(std::function<void()> changed) : changed_(std::move(changed)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~DeviceChangeFilter() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    DeviceChangeFilter(const DeviceChangeFilter&) = delete;
    DeviceChangeFilter& operator=(const DeviceChangeFilter&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType == "windows_generic_MSG" && portCameOrWent(*static_cast<MSG*>(message))) {
            changed_();
        }
        return false;  // the message goes on to Qt and its windows
    }

  private:
    std::function<void()> changed_;
};

}  // namespace

std::unique_ptr<PortEvents> PortEvents::listen(const SystemRoots&, std::function<void()> changed) {
    return std::make_unique<DeviceChangeFilter>(std::move(changed));
}

}  // namespace qz5
