// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/device_command_runner.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <thread>

#include "app/device/progress_window.h"
#include "app/device/wait_cursor.h"
#include "common/message_box.h"
#include "language/shown_text.h"
#include "link/port_table.h"
#include "link/serial_link.h"

namespace qz5 {

namespace {

using namespace std::chrono_literals;

// Short commands (a tone) end before this, so their window never flashes up.
constexpr auto kShowProgressAfter = 200ms;

// Swallows user input everywhere while it lives, but in `open` when given.
// The progress window is not modal in Qt's sense on purpose: Qt drops a close
// request to a window under a modal one, and a close request during a command
// must be held, not lost.
class InputBlocker : public QObject {
  public:
    explicit InputBlocker(const QWidget* open = nullptr) : open_(open) {
        qApp->installEventFilter(this);
    }
    ~InputBlocker() override { qApp->removeEventFilter(this); }
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (const auto* widget = qobject_cast<const QWidget*>(watched);
            open_ != nullptr && widget != nullptr && widget->window() == open_) {
            return false;
        }
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::ContextMenu:
            case QEvent::InputMethod:
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::TabletPress:
            case QEvent::TabletRelease:
                return true;
            default:
                return false;
        }
    }

  private:
    const QWidget* open_;
};

// The worker's own copy of the port table, in the link's hands while it lives:
// the watcher may rewrite the shared one at any time.
class OwnPortTable {
  public:
    explicit OwnPortTable(SerialLink& link)
        : link_(link), shared_(link.portTable()), copy_(shared_) {
        link_.setPortTable(copy_);
    }
    ~OwnPortTable() { link_.setPortTable(shared_); }
    OwnPortTable(const OwnPortTable&) = delete;
    OwnPortTable& operator=(const OwnPortTable&) = delete;

  private:
    SerialLink& link_;
    const PortTable& shared_;
    const PortTable copy_;
};

}  // namespace

void DeviceCommandRunner::talk(std::string_view title, const std::function<void()>& steps) {
    run(
        title, [&steps](const StepReport&) { steps(); }, false);
}

void DeviceCommandRunner::talkCancellable(std::string_view title,
                                          const std::function<void(const StepReport&)>& steps) {
    run(title, steps, true);
}

void DeviceCommandRunner::run(std::string_view title,
                              const std::function<void(const StepReport&)>& steps,
                              bool cancellable) {
    {
        const WaitCursor wait;
        const OwnPortTable ports(link_);
        running_ = true;
        // Every command's title is marked in the "Workflow" context where it is written.
        ProgressWindow progress(translated("Workflow", std::string(title).c_str()), &owner_);
        std::atomic<bool> cancelled = false;
        if (cancellable) {
            progress.offerCancel([&cancelled] { cancelled = true; });
        }
        const InputBlocker blocker(cancellable ? &progress : nullptr);
        QTimer::singleShot(kShowProgressAfter, &progress, [&progress] { progress.show(); });
        // Queued to the GUI thread; calls still pending when the window goes
        // are dropped with it.
        link_.setProgressCallback([&progress](const LinkProgress& step) {
            QMetaObject::invokeMethod(
                &progress, [&progress, step] { progress.showProgress(step); },
                Qt::QueuedConnection);
        });
        const StepReport report{
            .show =
                [&progress](const Text& text) {
                    QMetaObject::invokeMethod(
                        &progress,
                        [&progress, text = shownText(text)] { progress.showPhase(text); },
                        Qt::QueuedConnection);
                },
            .cancelled = [&cancelled] { return cancelled.load(); }};
        QEventLoop loop;
        std::thread worker([&] {
            steps(report);
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        worker.join();
        link_.setProgressCallback({});
        running_ = false;
    }
    // Never during the exchange: a trace is no reason to stop one half way.
    if (Text failure = link_.takeSideFailure(); !failure.empty()) {
        showMessage(Message{std::move(failure)});
    }
}

MessageAnswer DeviceCommandRunner::askEmergency(const Text& question, const Text& caption) {
    return showMessage(question, caption, MessageButtons::OkCancel);
}

}  // namespace qz5
