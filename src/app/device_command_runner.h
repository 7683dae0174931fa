#pragma once

#include <functional>

class QString;
class QWidget;

namespace qz5 {

class SerialLink;

// Runs the link calls of a device command on a worker thread and returns what
// `work` returned. Meanwhile the GUI thread keeps turning its event loop: it
// repaints, shows the progress window with the link's steps and takes close
// requests, while no user input reaches any widget, so no second command can
// start and the form cannot change under the command. Whatever the link
// reports on the worker is kept and shown from here, in order, once the
// worker has finished; the wait cursor shows until then.
bool runDeviceCommand(QWidget& owner, const QString& title, SerialLink& link,
                      const std::function<bool()>& work);

}  // namespace qz5
