// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "common/text.h"
#include "workflow/tracker_front_end.h"

class QWidget;

namespace qz5 {

class SerialLink;

// The window's side of a device command. The link calls run on a worker
// thread while the GUI thread keeps turning its event loop: it repaints, shows
// the progress window with the link's steps and takes close requests, while no
// user input reaches any widget, so no second command can start and the form
// cannot change under the command. What the link reports on the worker comes
// back in the steps' outcome, which the window shows once the worker has
// finished; the wait cursor shows until then. Questions are
// application-modal boxes.
//
// The rule between the worker and the port list: while the worker runs, the
// link resolves port names through the runner's own copy of the port table,
// taken when the worker starts, and nothing else touches the link; the port
// list asks running() before it does.
class DeviceCommandRunner final : public TrackerFrontEnd {
  public:
    DeviceCommandRunner(QWidget& owner, SerialLink& link) : owner_(owner), link_(link) {}

    void talk(std::string_view title, const std::function<void()>& steps) override;

    // What the steps of a command that may be cancelled get, for use on the
    // worker: a text for the progress window, and whether Cancel was pressed.
    struct StepReport {
        std::function<void(const Text& text)> show;
        std::function<bool()> cancelled;
    };
    // As talk, with a Cancel button on the progress window; the steps look at
    // it only where stopping leaves nothing half done.
    void talkCancellable(std::string_view title,
                         const std::function<void(const StepReport&)>& steps);
    MessageAnswer askEmergency(const Text& question, const Text& caption) override;

    // Whether a worker is using the link.
    bool running() const { return running_; }

  private:
    void run(std::string_view title, const std::function<void(const StepReport&)>& steps,
             bool cancellable);

    QWidget& owner_;
    SerialLink& link_;
    bool running_ = false;
};

}  // namespace qz5
