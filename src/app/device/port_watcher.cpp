// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/port_watcher.h"

#include <QApplication>
#include <QWidget>

#include <utility>

#include "app/device/device_command_runner.h"
#include "app/device/port_events.h"

namespace qz5 {

namespace {

// How soon a change held back by a command or a box is looked at again.
constexpr int kBusyLookAgainMs = 500;

}  // namespace

PortWatcher::PortWatcher(SystemRoots roots, const DeviceCommandRunner& commands,
                         ChangeHandler changed, QObject* parent)
    : QObject(parent),
      roots_(std::move(roots)),
      commands_(commands),
      changed_(std::move(changed)),
      // Listening starts before the first scan, so nothing plugged in between is missed.
      events_(PortEvents::listen(roots_, [this] { lookAgain(); })),
      table_(PortTable::scanSystem(roots_)),
      reported_(table_) {
    again_.setSingleShot(true);
    connect(&again_, &QTimer::timeout, this, [this] { lookAgain(); });
}

PortWatcher::~PortWatcher() = default;

void PortWatcher::lookAgainIn(int milliseconds) {
    // An earlier, sooner look is kept.
    if (!again_.isActive() || again_.remainingTime() > milliseconds) {
        again_.start(milliseconds);
    }
}

void PortWatcher::lookAgain() {
    // A running command works on its own copy, so the table follows at once.
    table_.followSystem(roots_);
    const QWidget* modal = QApplication::activeModalWidget();
    if (commands_.running() || (modal && modal != parent())) {
        lookAgainIn(kBusyLookAgainMs);
        return;
    }
    changed_(std::exchange(reported_, table_));
}

}  // namespace qz5
