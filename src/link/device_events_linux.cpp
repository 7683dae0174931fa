// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/device_events.h"

#include <libudev.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string_view>

namespace qz5 {

namespace {

// Names in the device folder that can be serial ports (links included).
bool mayBePort(std::string_view name) {
    return name.starts_with("tty") || name.starts_with("rfcomm");
}

class UdevEvents final : public DeviceEvents {
  public:
    UdevEvents() : udev_(udev_new()) {
        if (udev_) {
            monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
        }
        if (monitor_ &&
            (udev_monitor_filter_add_match_subsystem_devtype(monitor_, "tty", nullptr) < 0 ||
             udev_monitor_enable_receiving(monitor_) < 0)) {
            monitor_ = udev_monitor_unref(monitor_);
        }
    }
    ~UdevEvents() override {
        udev_monitor_unref(monitor_);
        udev_unref(udev_);
    }
    UdevEvents(const UdevEvents&) = delete;
    UdevEvents& operator=(const UdevEvents&) = delete;

    bool usable() const { return monitor_ != nullptr; }
    int fd() const override { return udev_monitor_get_fd(monitor_); }
    bool drain() override {
        bool any = false;
        // The monitor's socket does not block: this ends when nothing is left.
        while (udev_device* device = udev_monitor_receive_device(monitor_)) {
            any = true;
            udev_device_unref(device);
        }
        return any;
    }

  private:
    udev* udev_;
    udev_monitor* monitor_ = nullptr;
};

class InotifyEvents final : public DeviceEvents {
  public:
    explicit InotifyEvents(const std::string& folder)
        : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        // IN_ATTRIB: udev gives a new node its group and mode a moment after
        // creating it, which can turn a refused port into a usable one.
        if (fd_ >= 0 && inotify_add_watch(fd_, folder.c_str(),
                                          IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                              IN_ATTRIB | IN_DELETE_SELF) < 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~InotifyEvents() override {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    InotifyEvents(const InotifyEvents&) = delete;
    InotifyEvents& operator=(const InotifyEvents&) = delete;

    bool usable() const { return fd_ >= 0; }
    int fd() const override { return fd_; }
    bool drain() override {
        bool relevant = false;
        alignas(inotify_event) std::array<char, 4096> buffer{};
        for (ssize_t n; (n = ::read(fd_, buffer.data(), buffer.size())) > 0;) {
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                relevant = relevant || event->len == 0 || mayBePort(event->name);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return relevant;
    }

  private:
    int fd_;
};

}  // namespace

std::unique_ptr<DeviceEvents> DeviceEvents::open(const SystemRoots& roots) {
    std::error_code error;
    if (roots.devDir == "/dev" && std::filesystem::exists("/run/udev/control", error)) {
        if (auto udev = std::make_unique<UdevEvents>(); udev->usable()) {
            return udev;
        }
    }
    if (auto inotify = std::make_unique<InotifyEvents>(roots.devDir); inotify->usable()) {
        return inotify;
    }
    return nullptr;
}

}  // namespace qz5
