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

constexpr const char* kCaption = QZ5_TEXT("Workflow", "Find Tracker");

Text caption() {
    return say("FindTracker", "Find Tracker");
}

Text describeStep(const SearchStep& step) {
    return say("FindTracker", "Asking %1 for the tracker's version at %2 bit/s (port %3 of %4)")
        .with(step.port, std::to_string(step.baudRate), std::to_string(step.index),
              std::to_string(step.count));
}

Text searchDetail(const TrackerSearch& search) {
    Text answers;
    for (const PortAnswer& answer : search.ports) {
        answers = say("FindTracker", "%1%2\n", "the ports' answers, one a line")
                      .with(answers, answerText(answer));
    }
    if (search.cancelled) {
        return say("FindTracker", "%1Cancelled before the other ports were asked.\n").with(answers);
    }
    return answers;
}

}  // namespace

void DeviceCommands::findTracker() {
    // Probe bytes and raised modem lines can upset another device, so the user
    // says yes first, and a careless Enter does not.
    if (showMessage(say("FindTracker",
                        "Find Tracker sends the tracker's version request to every serial port "
                        "that no other program holds, at 4800 and then at 9600 bit/s, and raises "
                        "each port's DTR and RTS lines. Another device on one of those ports may "
                        "react to that.\n\nLook for the tracker now?"),
                    caption(), MessageButtons::OkCancel) != MessageAnswer::Ok) {
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
    const Text detail = searchDetail(search);
    if (found.size() == 1) {
        portList_.select(found.front().port);
        showMessageWithDetail(
            say("FindTracker", "The tracker answered on %1\n%2 is now the selected port.")
                .with(answerText(found.front()), found.front().port),
            caption(), MessageButtons::Ok, detail);
    } else if (found.empty()) {
        showMessageWithDetail(
            search.cancelled
                ? say("FindTracker", "Cancelled: no tracker answered on the ports asked.")
                : say("FindTracker", "No tracker answered on any free port."),
            caption(), MessageButtons::Ok, detail);
    } else {
        showMessageWithDetail(say("FindTracker",
                                  "A tracker answered on more than one port; "
                                  "choose the one to use in the COM port list."),
                              caption(), MessageButtons::Ok, detail);
    }
}

}  // namespace qz5
