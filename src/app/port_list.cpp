// The window's COM port list: filled at start, following devices while the
// window runs, and explaining ports that exist but cannot be opened.
#include <algorithm>
#include <chrono>
#include <iterator>
#include <map>
#include <set>

#include "app/config_dlg.h"
#include "app/controls/control_ids.h"
#include "app/port_watcher.h"
#include "common/message_box.h"
#include "link/port_catalogue.h"
#include "link/port_rescan.h"

namespace qz5 {

namespace {

constexpr const char* kNoPortsItem = "No COM Ports Found";
// Time for udev to set a new node's permissions and a modem manager to let go.
constexpr auto kSettle = std::chrono::seconds(2);

}  // namespace

void CConfigDlg::watchPorts(const SystemRoots& roots) {
    portWatcher_ = new PortWatcher(
        roots, runner_, [this](const PortTable& before) { onPortsChanged(before); }, this);
    ports_ = &portWatcher_->table();
    link.setPortTable(*ports_);
}

std::vector<std::string> CConfigDlg::fillPortList(PortScan scan) {
    // Identities are taken before the opens, so a change made meanwhile shows
    // at the next rescan.
    std::vector<DeviceIdentity> present;
    for (const auto& [name, path] : ports_->entries()) {
        if (auto identity = deviceIdentity(path)) {
            present.push_back(std::move(*identity));
        }
    }
    const std::set<std::string> unchanged = scan == PortScan::OpenChanged
                                                ? devicesListedAsBefore(listedDevices_, present)
                                                : std::set<std::string>();
    controls.resetComboContent(ids::kComPort);
    std::set<std::string> listed;
    std::vector<std::string> refused;
    for (const auto& [name, path] : ports_->entries()) {
        if (unchanged.contains(path) || link.portExists(name)) {
            controls.addComboString(ids::kComPort, name);
            listed.insert(path);
        } else {
            refused.push_back(path);
        }
    }
    listedDevices_.clear();
    std::copy_if(present.begin(), present.end(), std::back_inserter(listedDevices_),
                 [&](const DeviceIdentity& device) { return listed.contains(device.path); });
    if (controls.comboCount(ids::kComPort) == 0) {
        controls.addComboString(ids::kComPort, kNoPortsItem);
    }
    controls.setComboSelection(ids::kComPort, 0);
    // COM names mean nothing on this platform by themselves: show the device.
    for (int index = 0; index < controls.comboCount(ids::kComPort); ++index) {
        if (auto path = ports_->devicePath(controls.comboItemText(ids::kComPort, index))) {
            std::string tip = *path;
            if (portWatcher_) {
                tip += '\n';
                tip += describePort(*path, portWatcher_->roots()).description();
            }
            controls.setComboItemToolTip(ids::kComPort, index, tip);
        }
    }
    return refused;
}

void CConfigDlg::onPortsChanged(const PortTable& before) {
    const int selected = controls.comboSelection(ids::kComPort);
    const auto selectedDevice =
        selected < 0 ? std::nullopt
                     : before.devicePath(controls.comboItemText(ids::kComPort, selected));
    const std::vector<std::string> refused = fillPortList(PortScan::OpenChanged);
    // The selection stays on its device while that device is present.
    if (const auto name = selectedDevice ? ports_->nameOf(*selectedDevice) : std::nullopt) {
        for (int index = 0; index < controls.comboCount(ids::kComPort); ++index) {
            if (controls.comboItemText(ids::kComPort, index) == *name) {
                controls.setComboSelection(ids::kComPort, index);
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
        portWatcher_->lookAgainIn(static_cast<int>(left.count()));
    }
    explainUnusablePorts(refused);
}

void CConfigDlg::explainUnusablePorts(const std::vector<std::string>& refused) {
    // Only when nothing can be used: a user with one working port needs no lecture.
    if (ports_->entries().size() > refused.size() || !portWatcher_) {
        return;
    }
    std::string text;
    for (const std::string& path : refused) {
        if (settling_.contains(path) || !explained_.insert(path).second) {
            continue;
        }
        const std::string name = ports_->nameOf(path).value_or(path);
        text += "\n\n" + name + " (" + path + ", " +
                describePort(path, portWatcher_->roots()).description() + "):\n" +
                link.portFailureReason(name);
    }
    for (const std::string& adapter : adaptersWithoutPort(portWatcher_->roots())) {
        if (explained_.insert(adapter).second) {
            text += "\n\n" + adapter;
        }
    }
    if (!text.empty()) {
        showMessage("No COM port can be used." + text, "COM Ports");
    }
}

}  // namespace qz5
