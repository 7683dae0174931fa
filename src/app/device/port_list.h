// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <chrono>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "link/device_identity.h"
#include "link/system_roots.h"

namespace qz5 {

class ControlAccess;
class DeviceCommandRunner;
class PortTable;
class PortWatcher;
class SerialLink;

// The window's COM port list: filled at start, following devices while the
// window runs, and explaining ports that exist but cannot be opened.
class PortList {
  public:
    // Ports wired explicitly, as the tests and the demo give them.
    PortList(ControlAccess& controls, SerialLink& link, const PortTable& ports);
    PortList(const PortList&) = delete;
    PortList& operator=(const PortList&) = delete;

    // The serial devices under `roots`, followed as they come and go; the
    // link resolves names through the followed table from now on.
    void watch(const SystemRoots& roots, const DeviceCommandRunner& commands, QObject& parent);
    bool watching() const { return watcher_ != nullptr; }

    // Lists the ports that open; returns the devices that did not. At start
    // every port is opened; a rescan opens only devices that are new, changed
    // or refused before.
    enum class Scan { OpenEach, OpenChanged };
    std::vector<std::string> fill(Scan scan) { return show(find(scan)); }

    // What a scan found: the devices present, and by the opens, the ports to
    // list and the devices refused.
    struct Found {
        std::vector<DeviceIdentity> present;
        std::vector<std::string> names;  // in COM number order
        std::set<std::string> paths;     // the devices of those names
        std::vector<std::string> refused;
    };
    // A fill in two halves. The opens touch no control, so they may run on
    // another thread while nothing else uses the link or the table; the list
    // is then filled on the GUI thread, which returns the refused devices.
    Found find(Scan scan) const;
    std::vector<std::string> show(const Found& found);
    // When no port can be used, one box says why, once per device per run.
    void explainUnusable(const std::vector<std::string>& refused);
    // Selects the port of that name, listing it first if it is not listed.
    void select(const std::string& name);

    const PortTable& table() const { return *ports_; }
    // Where the devices are looked for: the watched folders, else the system's.
    SystemRoots roots() const;

  private:
    void onChanged(const PortTable& before);

    ControlAccess& controls_;
    SerialLink& link_;
    const PortTable* ports_;
    PortWatcher* watcher_ = nullptr;
    // New devices refused so far, with when they appeared: looked at again
    // before they count as unusable.
    std::map<std::string, std::chrono::steady_clock::time_point> settling_;
    std::set<std::string> explained_;            // devices and adapters already explained
    std::vector<DeviceIdentity> listedDevices_;  // as they were when listed
};

}  // namespace qz5
