#pragma once

#include <QDialog>
#include <QIcon>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/controls/control_access.h"
#include "app/file_prompt.h"
#include "app/qt_file_prompt.h"
#include "config/tracker_config.h"
#include "link/serial_link.h"

class QContextMenuEvent;
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

    // The whole record to and from a configuration file; outcomes are shown
    // in message boxes.
    void saveConfigFile(const std::string& path);
    void loadConfigFile(const std::string& path);

    // Replaces the file dialogs; the prompt must outlive the window.
    void setFilePrompt(FilePrompt& prompt) { filePrompt_ = &prompt; }

    // Every way of leaving (Exit, Esc, Enter, the close box, Close on the
    // menu) ends here. While a device command runs the request is held, and
    // carried out once the command has ended and shown its boxes.
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

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

    // The steps before the window goes; a step that keeps the window open
    // returns before the last line.
    void leave(int result);

    void initWindow();
    void fillPortList();
    void connectHandlers();
    void takeSelectedPort();
    void sendToneCommand(std::uint8_t code);

    QIcon windowIcon;
    TrackerConfig config;
    SerialLink link;
    ControlAccess controls;

    const PortTable& ports_;
    QtFilePrompt qtFilePrompt_;
    FilePrompt* filePrompt_ = &qtFilePrompt_;
    bool commandRunning_ = false;
    std::optional<int> heldLeave_;
};

}  // namespace qz5
