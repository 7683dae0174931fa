// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QIcon>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls/control_access.h"
#include "app/device_command_runner.h"
#include "app/edit_snapshot.h"
#include "app/field_marks.h"
#include "app/file_prompt.h"
#include "app/findings_strip.h"
#include "app/image_keeper.h"
#include "app/port_list.h"
#include "app/qt_file_prompt.h"
#include "app/symbols/symbol_field.h"
#include "app/symbols/symbol_library.h"
#include "app/tone_keeper.h"
#include "app/view_switcher.h"
#include "config/check/finding.h"
#include "config/tracker_config.h"
#include "link/serial_link.h"
#include "link/system_roots.h"
#include "workflow/tracker_workflow.h"

class QKeyEvent;

namespace qz5 {

class PortTable;
class SerialPortApi;

struct WindowInspector;

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

    // Form exchange between the controls and profile `activeProfile`.
    void storeForm();
    void loadForm();
    void selectComboPrefix(int id, std::string_view text);

    // Interlocks and enablement.
    void updateEnables();
    void updateToneLabels();
    void updateDeviceEnables();
    void OnSmartBeaconing();
    void OnSlotEnable();
    void OnMicEEnable();
    void OnAuxEnable();
    void OnTimestampDhm();
    void OnTimestampHms();
    void OnSendNmea();

    // System commands of the window menu; the About item is 0x0010.
    static constexpr int kAboutCommand = 0x0010;
    static constexpr int kCloseCommand = 0xF060;
    static constexpr const char* kAboutItemText = "&About Zelbin3Config...";
    void OnSystemCommand(int commandId);

    // Commands.
    void OnReadVersion();
    void OnReadConfiguration();
    void OnWriteConfiguration();
    void OnSendLowTone();
    void OnSendHighTone();
    void OnSendBothTones();
    void OnStopTones();
    void OnProfileTabChange();
    void OnLoadFile();
    void OnSaveFile();
    void OnAbout();
    // The kept images beside the form, and the tracker's settings beside it.
    void OnHistory();
    void OnCompareWithTracker();
    // Asks every free port for the tracker and selects the one that answers.
    void OnFindTracker();
    // What the button with this id does, for the window menu's items.
    void runCommand(int id);
    // Whether the check box of a choice (tool_commands.h) is on.
    bool chosen(int id) const { return controls_.getControlCheck(id); }
    // Every Write keeps the tracker's settings in the history first, or not.
    void OnKeepBeforeWrite();
    // For the profile shown: a symbol chosen by its picture, and when the
    // tracker will send its beacons.
    void OnChooseSymbol();
    void OnBeaconTiming();

    // The whole record to and from a configuration file; outcomes are shown
    // in message boxes.
    void saveConfigFile(const std::string& path);
    void loadConfigFile(const std::string& path);

    // Basic or All settings; both show the same controls.
    void setView(WindowView view);
    WindowView view() const { return views_.current(); }

    // Replaces the file dialogs; the prompt must outlive the window.
    void setFilePrompt(FilePrompt& prompt) { filePrompt_ = &prompt; }

    // Every way of leaving (Exit, Esc, Enter, the close box, Close on the
    // menu) ends here. While a device command runs the request is held, and
    // carried out once the command has ended and shown its boxes.
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The system menu's About item, where the system has such a menu.
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    friend struct WindowInspector;  // the tests' view of the state below

    // Spans a device command from its first step to its last box.
    class CommandScope {
      public:
        explicit CommandScope(CConfigDlg& window);
        ~CommandScope();
        CommandScope(const CommandScope&) = delete;
        CommandScope& operator=(const CommandScope&) = delete;

      private:
        CConfigDlg& window_;
    };

    // The steps before the window goes: with unsaved edits, the user is asked
    // first and may stay; a tone still sounding is stopped before the window
    // goes.
    void leave(int result);

    void initWindow();
    void connectHandlers();
    void takeSelectedPort();
    void sendToneCommand(std::uint8_t code);
    bool confirmLeave();
    // The record as storing the form would leave it; the window's record is
    // not touched, so reading the form sets no flag in it.
    TrackerConfig storedForm() const;
    void storeFormInto(TrackerConfig& target) const;
    // The form now holds what a tracker or a file holds.
    void markUnedited() { edits_.mark(config.activeProfile); }
    // The check of the form: held back while the user types, shown in the
    // strip from the first read, load or edit on, and as marks in All settings.
    void watchEdits();
    void watchSymbol();
    void checkForm();
    void showMarks();
    void showField(const Finding& finding);
    // After a read or a write: the form shows the image the tracker holds.
    void showTrackerImage(const ConfigImage& image);
    // The form as a Write would send it, its untouched delays at their counts.
    ConfigImage formImage() const;

    QIcon windowIcon_;
    TrackerConfig config;
    SerialLink link;
    ControlAccess controls_;
    DeviceCommandRunner runner_{*this, link};
    TrackerWorkflow tracker_{link, runner_};

    PortList portList_;
    ToneKeeper tones_{link, portList_};

    ViewSwitcher views_{*this, controls_};
    QtFilePrompt qtFilePrompt_;
    FilePrompt* filePrompt_ = &qtFilePrompt_;
    ImageKeeper images_;
    EditSnapshot edits_{[this] { return storedForm(); }};
    FindingsStrip* findings_ = new FindingsStrip(this);
    std::vector<Finding> findingList_;
    FieldMarks marks_{controls_};
    QTimer checkPause_;
    SymbolLibrary symbols_;
    std::unique_ptr<SymbolField> symbolField_;
    bool commandRunning_ = false;
    std::optional<int> heldLeave_;
};

}  // namespace qz5
