// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <string>

#include "common/text.h"

namespace qz5 {

class PortTable;
class SerialPortApi;

// The application: shows the configuration window once and ends with it.
class CConfigApp : public QApplication {
  public:
    CConfigApp(int& argc, char** argv);

    // Runs the window on the machine's serial devices, through `api`, until it
    // closes. Always false: there is nothing to run after the window.
    bool startApplication(SerialPortApi& api);
    // The same with the COM names wired explicitly.
    bool startApplication(SerialPortApi& api, const PortTable& ports);

    // The next window closes as soon as it has been shown; windowWasShown()
    // then tells whether it was.
    void quitAfterStart() { quitAfterStart_ = true; }
    bool windowWasShown() const { return windowWasShown_; }
    // The window opens on All settings instead of the view chosen last.
    void openAllSettings() { allSettingsAsked_ = true; }
    // Once the window is up, it loads this configuration file as Load does.
    void loadAtStart(std::string path) { startFile_ = std::move(path); }

  private:
    template <typename... Ports>
    bool runWindow(Ports&... ports);

    bool quitAfterStart_ = false;
    bool windowWasShown_ = false;
    bool allSettingsAsked_ = false;
    std::string startFile_;
    Text fontProblem_;  // said once, when the window is up
};

}  // namespace qz5
