// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QIcon>
#include <optional>

#include "app/controls/control_access.h"
#include "app/device/device_commands.h"
#include "app/file_prompt.h"
#include "app/form/form_controller.h"
#include "app/qt_file_prompt.h"
#include "app/view_switcher.h"

class QKeyEvent;

namespace qz5 {

class PortTable;
class SerialPortApi;
struct SystemRoots;

// The main window: one configuration record, shown one profile at a time, and
// one link to the tracker. Device commands run their link calls on a worker
// thread; everything else, every box included, happens on the GUI thread.
class CConfigDlg : public QDialog {
  public:
    // Real serial devices, COM names from the system's port table.
    explicit CConfigDlg(QWidget* parent = nullptr);
    // Ports wired explicitly, for tests and the demo.
    CConfigDlg(SerialPortApi& api, const PortTable& ports, QWidget* parent = nullptr);
    // The serial devices under `roots`, the port list following them as they
    // come and go while the window runs.
    CConfigDlg(SerialPortApi& api, const SystemRoots& roots, QWidget* parent = nullptr);

    // What the window is made of: the controls, the form they show, and the
    // commands that talk to the tracker.
    ControlAccess& controls() { return controls_; }
    FormController& form() { return form_; }
    DeviceCommands& commands() { return commands_; }

    // The commands of the window menu: a tool command by its button's id, or
    // the system's Close and About.
    void runCommand(int id);

    // Basic or All settings; both show the same controls.
    void setView(WindowView view) { form_.showView(view); }
    WindowView view() const { return views_.current(); }

    // Replaces the file dialogs; the prompt must outlive the window.
    void setFilePrompt(FilePrompt& prompt) { filePrompt_ = &prompt; }

    // Every way of leaving (Exit, Esc, Enter, the close box, Close on the
    // menu) ends here. While a device command runs the request is held, and
    // carried out once the command has ended and shown its boxes.
    void done(int result) override;

    // The profile tabs' captions in the application's language, again when
    // it changes.
    void nameProfileTabs();

    // The system menu's About item, where the system has such a menu.
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A new language: the views' texts again, with room for them.
    void changeEvent(QEvent* event) override;

  private:
    // The handlers of the window's buttons.
    void OnReadVersion() { commands_.readVersion(); }
    void OnReadConfiguration() { commands_.readConfiguration(); }
    void OnWriteConfiguration() { commands_.writeConfiguration(); }
    void OnSendLowTone();
    void OnSendHighTone();
    void OnSendBothTones();
    void OnStopTones();
    void OnFindTracker() { commands_.findTracker(); }
    void OnHistory() { commands_.openHistory(*filePrompt_); }
    void OnCompareWithTracker() { commands_.compareWithTracker(); }
    void OnProfileTabChange() { form_.profileTabChanged(); }
    void OnLoadFile();
    void OnSaveFile();
    void OnAbout();
    // For the profile shown: a symbol chosen by its picture, and when the
    // tracker will send its beacons.
    void OnChooseSymbol();
    void OnBeaconTiming();
    // The preset chosen in All settings' list, for its button.
    void OnApplyPreset();
    // Every Write keeps the tracker's settings in the history first, or not.
    void OnKeepBeforeWrite();
    void OnSystemCommand(int commandId);

    // The steps before the window goes: with unsaved edits, the user is asked
    // first and may stay; a tone still sounding is stopped before the window
    // goes.
    void leave(int result);
    bool confirmLeave();

    void initWindow();
    void connectHandlers();

    QIcon windowIcon_;
    ControlAccess controls_;
    // First, so the ports open while the controls are built.
    DeviceCommands commands_;
    // Builds the controls; what follows finds them built.
    ViewSwitcher views_{*this, controls_};
    QtFilePrompt qtFilePrompt_;
    FilePrompt* filePrompt_ = &qtFilePrompt_;
    FormController form_{*this, controls_, views_};
    std::optional<int> heldLeave_;
};

}  // namespace qz5
