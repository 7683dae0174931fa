// SPDX-License-Identifier: GPL-3.0-or-later
// Find Tracker: every free port is asked for the tracker's version, and the
// one that answers is selected.
#include <string>
#include <vector>

#include "app/device/device_commands.h"
#include "common/message_box.h"
#include "link/port_table.h"
#include "link/tracker_search.h"

namespace qz5 {

namespace {

constexpr const char* kCaption = "Find Tracker";
// Probe bytes and raised modem lines can upset another device, so the user
// says yes first, and a careless Enter does not.
constexpr const char* kQuestion =
    "Find Tracker sends the tracker's version request to every serial port that no other "
    "program holds, at 4800 and then at 9600 bit/s, and raises each port's DTR and RTS "
    "lines. Another device on one of those ports may react to that.\n\n"
    "Look for the tracker now?";

std::string describeStep(const SearchStep& step) {
    return "Asking " + step.port + " for the tracker's version at " +
           std::to_string(step.baudRate) + " bit/s (port " + std::to_string(step.index) + " of " +
           std::to_string(step.count) + ")";
}

std::string searchDetail(const TrackerSearch& search) {
    std::string detail;
    for (const PortAnswer& answer : search.ports) {
        detail += describeAnswer(answer) + '\n';
    }
    if (search.cancelled) {
        detail += "Cancelled before the other ports were asked.\n";
    }
    return detail;
}

}  // namespace

void DeviceCommands::findTracker() {
    if (showMessage(kQuestion, kCaption, MessageButtons::OkCancel) != MessageAnswer::Ok) {
        return;
    }
    const CommandScope command(*this);
    std::vector<std::string> names;
    for (const auto& [name, path] : portList_.table().entries()) {
        names.push_back(name);
    }
    TrackerSearch search;
    runner_.talkCancellable(kCaption, [&](const DeviceCommandRunner::StepReport& report) {
        search = qz5::findTracker(
            link_, names,
            {.asking = [&](const SearchStep& step) { report.show(describeStep(step)); },
             .cancelled = report.cancelled});
    });
    const std::vector<PortAnswer> found = search.answered();
    const std::string detail = searchDetail(search);
    if (found.size() == 1) {
        portList_.select(found.front().port);
        showMessageWithDetail("The tracker answered on " + describeAnswer(found.front()) + "\n" +
                                  found.front().port + " is now the selected port.",
                              kCaption, MessageButtons::Ok, detail);
    } else if (found.empty()) {
        showMessageWithDetail(search.cancelled
                                  ? "Cancelled: no tracker answered on the ports asked."
                                  : "No tracker answered on any free port.",
                              kCaption, MessageButtons::Ok, detail);
    } else {
        showMessageWithDetail(
            "A tracker answered on more than one port; choose the one to use in the COM port "
            "list.",
            kCaption, MessageButtons::Ok, detail);
    }
}

}  // namespace qz5
