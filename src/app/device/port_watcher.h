// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "link/port_table.h"
#include "link/system_roots.h"

namespace qz5 {

class DeviceCommandRunner;
class PortEvents;

// Keeps a COM-name table following the system's serial ports while the window
// runs, and says when it changed, though not while a device command or a box
// is running: the handler touches the link and the port list.
class PortWatcher : public QObject {
  public:
    // `changed` gets the table as it was when last reported.
    using ChangeHandler = std::function<void(const PortTable& before)>;

    PortWatcher(SystemRoots roots, const DeviceCommandRunner& commands, ChangeHandler changed,
                QObject* parent = nullptr);
    ~PortWatcher() override;

    const PortTable& table() const { return table_; }
    const SystemRoots& roots() const { return roots_; }
    // Looks at the folder again after a while, events or not: a new node may
    // be refused for a second or two while udev and a modem manager see to it.
    void lookAgainIn(int milliseconds);
    void lookAgain();

  private:
    SystemRoots roots_;
    const DeviceCommandRunner& commands_;
    ChangeHandler changed_;
    std::unique_ptr<PortEvents> events_;
    QTimer again_;
    PortTable table_;
    PortTable reported_;
};

}  // namespace qz5
