// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/port_list.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <map>
#include <set>

#include "app/controls/control_access.h"
#include "app/controls/control_ids.h"
#include "app/device/port_watcher.h"
#include "common/message_box.h"
#include "language/shown_text.h"
#include "link/port_catalogue.h"
#include "link/port_rescan.h"
#include "link/port_table.h"
#include "link/serial_link.h"

namespace qz5 {

namespace {

// Time for udev to set a new node's permissions and a modem manager to let go.
constexpr auto kSettle = std::chrono::seconds(2);

}  // namespace

PortList::PortList(ControlAccess& controls, SerialLink& link, const PortTable& ports)
    : controls_(controls), link_(link), ports_(&ports) {}

void PortList::watch(const SystemRoots& roots, const DeviceCommandRunner& commands,
                     QObject& parent) {
    watcher_ = new PortWatcher(
        roots, commands, [this](const PortTable& before) { onChanged(before); }, &parent);
    ports_ = &watcher_->table();
    link_.setPortTable(*ports_);
}

SystemRoots PortList::roots() const {
    return watcher_ ? watcher_->roots() : SystemRoots{};
}

PortList::Found PortList::find(Scan scan) const {
    // Identities are taken before the opens, so a change made meanwhile shows
    // at the next rescan.
    Found found;
    for (const auto& [name, path] : ports_->entries()) {
        if (auto identity = deviceIdentity(path)) {
            found.present.push_back(std::move(*identity));
        }
    }
    const std::set<std::string> unchanged =
        scan == Scan::OpenChanged ? devicesListedAsBefore(listedDevices_, found.present)
                                  : std::set<std::string>();
    // The list sorts itself as text (COM1, COM10, COM100, COM2, ...).
    for (int number = 1; number <= kHighestComNumber; ++number) {
        std::string name = "COM" + std::to_string(number);
        const auto path = ports_->devicePath(name);
        if (!path) {
            continue;  // no device has that name
        }
        if (unchanged.contains(*path) || link_.portExists(name)) {
            found.names.push_back(std::move(name));
            found.paths.insert(*path);
        } else {
            found.refused.push_back(*path);
        }
    }
    return found;
}

std::vector<std::string> PortList::show(const Found& found) {
    controls_.resetComboContent(ids::kComPort);
    for (const std::string& name : found.names) {
        controls_.addComboString(ids::kComPort, name);
    }
    listedDevices_.clear();
    std::copy_if(found.present.begin(), found.present.end(), std::back_inserter(listedDevices_),
                 [&](const DeviceIdentity& device) { return found.paths.contains(device.path); });
    if (controls_.comboCount(ids::kComPort) == 0) {
        controls_.addComboWords(ids::kComPort, translated("Ports", "No COM Ports Found"));
    }
    controls_.setComboSelection(ids::kComPort, 0);
    // COM names mean nothing on this platform by themselves: show the device.
    for (int index = 0; index < controls_.comboCount(ids::kComPort); ++index) {
        if (auto path = ports_->devicePath(controls_.comboItemText(ids::kComPort, index))) {
            // The description in the reader's language, and as UTF-8 as the
            // system gives a device's model.
            QString tip = QString::fromLatin1(*path);
            if (watcher_) {
                tip += QLatin1Char('\n') +
                       shownText(describePort(*path, watcher_->roots()).description());
            }
            controls_.setComboItemToolTip(ids::kComPort, index, tip);
        }
    }
    return found.refused;
}

void PortList::onChanged(const PortTable& before) {
    const int selected = controls_.comboSelection(ids::kComPort);
    const auto selectedDevice =
        selected < 0 ? std::nullopt
                     : before.devicePath(controls_.comboItemText(ids::kComPort, selected));
    const std::vector<std::string> refused = fill(Scan::OpenChanged);
    // The selection stays on its device while that device is present.
    if (const auto name = selectedDevice ? ports_->nameOf(*selectedDevice) : std::nullopt) {
        for (int index = 0; index < controls_.comboCount(ids::kComPort); ++index) {
            if (controls_.comboItemText(ids::kComPort, index) == *name) {
                controls_.setComboSelection(ids::kComPort, index);
            }
        }
    }
    // A refused new node gets its time before it counts as unusable; other
    // events in between (udev setting its mode) do not cut that short.
    const auto now = std::chrono::steady_clock::now();
    std::map<std::string, std::chrono::steady_clock::time_point> stillSettling;
    for (const std::string& path : refused) {
        if (const auto found = settling_.find(path); found != settling_.end()) {
            if (now - found->second < kSettle) {
                stillSettling.insert(*found);
            }
        } else if (!before.nameOf(path)) {
            stillSettling.emplace(path, now);
        }
    }
    settling_ = std::move(stillSettling);
    for (const auto& [path, since] : settling_) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(kSettle - (now - since));
        watcher_->lookAgainIn(static_cast<int>(left.count()));
    }
    explainUnusable(refused);
}

void PortList::select(const std::string& name) {
    const auto indexOf = [this, &name] {
        for (int index = 0; index < controls_.comboCount(ids::kComPort); ++index) {
            if (controls_.comboItemText(ids::kComPort, index) == name) {
                return index;
            }
        }
        return -1;
    };
    // A port that was held when the list was filled is free now.
    if (indexOf() < 0) {
        static_cast<void>(fill(Scan::OpenEach));
    }
    controls_.setComboSelection(ids::kComPort, indexOf());
}

void PortList::explainUnusable(const std::vector<std::string>& refused) {
    // Only when nothing can be used: a user with one working port needs no lecture.
    if (ports_->entries().size() > refused.size() || !watcher_) {
        return;
    }
    std::vector<Text> ports;
    for (const std::string& path : refused) {
        if (settling_.contains(path) || !explained_.insert(path).second) {
            continue;
        }
        const std::string name = ports_->nameOf(path).value_or(path);
        ports.push_back(say("Ports", "%1 (%2, %3):\n%4")
                            .with(name, path, describePort(path, watcher_->roots()).description(),
                                  link_.portFailure(name)));
    }
    for (Text& adapter : adaptersWithoutPort(watcher_->roots())) {
        if (explained_.insert(adapter.english()).second) {
            ports.push_back(std::move(adapter));
        }
    }
    if (ports.empty()) {
        return;
    }
    // Each port's paragraph is a sentence of its own; the box joins them.
    Text text = say("Ports", "No COM port can be used.");
    for (Text& port : ports) {
        text = say("Ports", "%1\n\n%2").with(std::move(text), std::move(port));
    }
    showMessage(text, say("Ports", "COM Ports"));
}

}  // namespace qz5
