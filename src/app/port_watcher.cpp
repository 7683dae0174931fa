#include "app/port_watcher.h"

#include <QApplication>
#include <QWidget>

#include "app/port_events.h"

namespace qz5 {

namespace {

// While a command or one of its boxes runs, the table stays as the command saw it.
constexpr int kBusyLookAgainMs = 500;

bool busy(const QObject* window) {
    const QWidget* modal = QApplication::activeModalWidget();
    return (modal && modal != window) || QApplication::overrideCursor();
}

}  // namespace

PortWatcher::PortWatcher(SystemRoots roots, ChangeHandler changed, QObject* parent)
    : QObject(parent),
      roots_(std::move(roots)),
      changed_(std::move(changed)),
      // Listening starts before the first scan, so nothing plugged in between is missed.
      events_(PortEvents::listen(roots_, [this] { lookAgain(); })),
      table_(PortTable::scanSystem(roots_)) {
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
    if (busy(parent())) {
        lookAgainIn(kBusyLookAgainMs);
        return;
    }
    const PortTable before = table_;
    table_.followSystem(roots_);
    changed_(before);
}

}  // namespace qz5
