// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/device_commands.h"

#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "app/controls/control_access.h"
#include "app/controls/control_ids.h"
#include "app/device/keep_before_write.h"
#include "app/device/window_advice.h"
#include "app/device/write_summary.h"
#include "app/form/form_controller.h"
#include "common/message_box.h"
#include "common/user_state_dir.h"
#include "config/config_image.h"
#include "config/kept_delays.h"
#include "link/port_table.h"
#include "workflow/tracker_workflow.h"

namespace qz5 {

namespace {

// Where a list that watches the devices keeps its link until the watcher is up.
const PortTable& noPorts() {
    static const PortTable none;
    return none;
}

}  // namespace

DeviceCommands::DeviceCommands(QWidget& window, ControlAccess& controls, FormController& form,
                               SerialPortApi& api, const PortTable& ports)
    : window_(window),
      controls_(controls),
      form_(form),
      link_(api, ports),
      portList_(controls, link_, ports),
      firstScan_(std::async(std::launch::async,
                            [this] { return portList_.find(PortList::Scan::OpenEach); })) {}

DeviceCommands::DeviceCommands(QWidget& window, ControlAccess& controls, FormController& form,
                               SerialPortApi& api, const SystemRoots& roots)
    : window_(window),
      controls_(controls),
      form_(form),
      link_(api, noPorts()),
      portList_(controls, link_, noPorts()) {
    portList_.watch(roots, runner_, window_);
    firstScan_ =
        std::async(std::launch::async, [this] { return portList_.find(PortList::Scan::OpenEach); });
}

void DeviceCommands::listPorts() {
    const std::vector<std::string> refused = portList_.show(firstScan_.get());
    if (portList_.watching()) {
        // Once the window is up, so the box has something to stand in front of.
        QTimer::singleShot(0, &window_, [this, refused] { portList_.explainUnusable(refused); });
    }
}

DeviceCommands::CommandScope::CommandScope(DeviceCommands& commands) : commands_(commands) {
    commands_.running_ = true;
}

DeviceCommands::CommandScope::~CommandScope() {
    // A command is where the history first asks for the user's folder.
    showMessages(takeUserFolderNotices());
    commands_.running_ = false;
    if (commands_.ended_) {
        commands_.ended_();
    }
}

void DeviceCommands::takeSelectedPort() {
    const int selected = controls_.comboSelection(ids::kComPort);
    if (selected < 0) {
        return;  // the link keeps the name it had
    }
    link_.setPortName(controls_.comboItemText(ids::kComPort, selected));
}

void DeviceCommands::readVersion() {
    const CommandScope command(*this);
    takeSelectedPort();
    const Outcome<std::string> reply = tracker_.readVersion();
    showMessages(advisedMessages(reply, kWindowAdvice));
    if (reply) {
        showMessage(*reply, kVersionCaption);
    }
    form_.updateDeviceEnables();
}

void DeviceCommands::readConfiguration() {
    // The form is not stored first: a successful read replaces unsaved edits.
    const CommandScope command(*this);
    takeSelectedPort();
    const Outcome<ConfigImage> read = tracker_.readConfiguration(form_.record());
    if (read) {
        form_.showTrackerImage(*read);
    }
    showMessages(advisedMessages(read, kWindowAdvice));
    if (read) {
        form_.updateToneLabels();
    }
    form_.updateDeviceEnables();
}

void DeviceCommands::writeConfiguration() {
    // Any failure ends the command after its own message, enables untouched.
    const CommandScope command(*this);
    takeSelectedPort();
    form_.storeForm();
    TrackerConfig& config = form_.record();
    ConfigImage sent{};
    Keeping keeping;
    const auto encode = [&]() -> std::optional<ConfigImage> {
        // A whole image always encodes; its warnings show before the worker starts.
        showMessages(encodeKeepingDelays(config, sent, form_.keptImage()).messages());
        if (controls_.getControlCheck(ids::kKeepBeforeWrite) != 0) {
            keeping = keepBeforeWrite(tracker_);
        }
        if (keeping.verdict == Keeping::Verdict::Stop) {
            return std::nullopt;
        }
        return sent;
    };
    const Outcome<WriteResult> written = tracker_.writeConfiguration(config, encode);
    if (written && written->image) {
        form_.showTrackerImage(*written->image);
    }
    AdviceContext advice = kWindowAdvice;
    advice.backup = keeping.number;
    Notices messages = advisedMessages(written, advice);
    const bool done = written && written->ended == WriteOutcome::Written;
    if (done) {
        describeWrite(messages.back(), keeping, sent);  // "Write Successful" ends them
    }
    showMessages(messages);
    if (done) {
        form_.updateToneLabels();
        form_.updateDeviceEnables();
    }
}

void DeviceCommands::sendTone(std::uint8_t code) {
    // Tones use the rate of the last probe; they do not look for the tracker.
    const CommandScope command(*this);
    takeSelectedPort();
    form_.storeForm();
    if (form_.record().calibrationChanged) {
        showMessage(say("Window", "New Calibration value should be written before Testing Tones"),
                    say("Window", "Calibration not written"));
    }
    // A command that failed before its code went out (a failed Stop Sending
    // may have left the tone on) changes nothing; one that failed after it,
    // on the close, does.
    const Outcome<> sent = talkThrough(runner_, QZ5_TEXT("Workflow", "Test Tones"),
                                       [&] { return link_.sendTone(code); });
    showMessages(advisedMessages(sent, kWindowAdvice));
    if (!sent && !link_.toneSent()) {
        return;
    }
    tones_.sent(code);
}

}  // namespace qz5
