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
#include "app/view_switcher.h"
#include "config/tracker_config.h"
#include "link/serial_link.h"

class QContextMenuEvent;
class QKeyEvent;

namespace qz5 {

class PortTable;
class SerialPortApi;

// The main window: one configuration record, shown one profile at a time, and
// one link to the tracker. Handlers run to completion on the GUI thread.
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

    // Basic or All settings; both show the same controls.
    void setView(WindowView view) { views_.show(view); }
    WindowView view() const { return views_.current(); }

    // Replaces the file dialogs; the prompt must outlive the window.
    void setFilePrompt(FilePrompt& prompt) { filePrompt_ = &prompt; }

    // The window's state, open so tests can preset and inspect it.
    QIcon windowIcon;
    TrackerConfig config;
    SerialLink link;
    ControlAccess controls;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Every way of leaving ends here.
    void done(int result) override;

  private:
    void initWindow();
    void fillPortList();
    void connectHandlers();
    void takeSelectedPort();
    void sendToneCommand(std::uint8_t code);
    void stopTonesOnLeaving();

    // Where the last tone command that no Stop Sending followed went.
    struct KeyedTone {
        std::string port;
        std::int32_t baudRate = 0;
    };

    ViewSwitcher views_{*this, controls};
    std::optional<KeyedTone> keyedTone_;
    const PortTable& ports_;
    QtFilePrompt qtFilePrompt_;
    FilePrompt* filePrompt_ = &qtFilePrompt_;
};

}  // namespace qz5
