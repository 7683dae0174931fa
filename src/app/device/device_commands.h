// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <future>

#include "app/device/device_command_runner.h"
#include "app/device/port_list.h"
#include "app/device/tone_keeper.h"
#include "link/serial_link.h"
#include "workflow/tracker_workflow.h"

class QWidget;

namespace qz5 {

class ControlAccess;
class FilePrompt;
class FormController;
class PortTable;
class SerialPortApi;
struct SystemRoots;

// The window's commands to the tracker: one link, the runner that talks on it
// from a worker, the workflow's steps, the port list and the tone left
// sounding. Each command orders the form exchange, the link and the codec,
// and shows what each outcome raised, in order, as soon as it is back on the
// GUI thread.
class DeviceCommands {
  public:
    // Ports wired explicitly. Each constructor starts the port list's first
    // scan on another thread, so the ports open while the window is built;
    // the controls and the form need not be built yet.
    DeviceCommands(QWidget& window, ControlAccess& controls, FormController& form,
                   SerialPortApi& api, const PortTable& ports);
    // The serial devices under `roots`, the port list following them as they
    // come and go.
    DeviceCommands(QWidget& window, ControlAccess& controls, FormController& form,
                   SerialPortApi& api, const SystemRoots& roots);
    DeviceCommands(const DeviceCommands&) = delete;
    DeviceCommands& operator=(const DeviceCommands&) = delete;

    // Fills the port list once its first scan is done; called once, before
    // any command. A watching list explains unusable ports once the window
    // is up.
    void listPorts();

    void readVersion();
    void readConfiguration();
    void writeConfiguration();
    // Tone command `code`, at the rate of the last probe.
    void sendTone(std::uint8_t code);
    // Asks every free port for the tracker and selects the one that answers.
    void findTracker();
    // The kept images beside the form, and the tracker's settings beside it.
    void openHistory(FilePrompt& prompt);
    void compareWithTracker();

    // Whether a command is between its first step and its last box.
    bool running() const { return running_; }
    // Called as each command ends, after its last box.
    void whenEnded(std::function<void()> ended) { ended_ = std::move(ended); }
    // A tone still sounding is stopped before the window goes.
    void stopTonesOnLeaving() { tones_.stopTonesOnLeaving(); }

    SerialLink& link() { return link_; }
    const SerialLink& link() const { return link_; }
    // The table the port list shows, which a watcher rewrites.
    const PortTable& ports() const { return portList_.table(); }

  private:
    // Spans a command from its first step to its last box.
    class CommandScope {
      public:
        explicit CommandScope(DeviceCommands& commands);
        ~CommandScope();
        CommandScope(const CommandScope&) = delete;
        CommandScope& operator=(const CommandScope&) = delete;

      private:
        DeviceCommands& commands_;
    };

    void takeSelectedPort();

    QWidget& window_;
    ControlAccess& controls_;
    FormController& form_;
    SerialLink link_;
    DeviceCommandRunner runner_{window_, link_};
    TrackerWorkflow tracker_{link_, runner_};
    PortList portList_;
    ToneKeeper tones_{link_, portList_};
    // Until listPorts: nothing but the scan uses the link and the table.
    std::future<PortList::Found> firstScan_;
    bool running_ = false;
    std::function<void()> ended_;
};

}  // namespace qz5
