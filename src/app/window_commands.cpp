// The window's commands: they order the form exchange, the device link, the
// codec and the file functions, and report the outcome. The operations they
// call show their own failures.
#include <array>
#include <span>

#include "app/config_dlg.h"
#include "app/controls/about_dialog.h"
#include "app/controls/control_ids.h"
#include "app/device_command_runner.h"
#include "common/message_box.h"
#include "config/config_file.h"
#include "config/config_image.h"

namespace qz5 {

namespace {

constexpr int kEmergencyStatus = 7;
constexpr std::size_t kVersionAreaSize = 32;
constexpr std::size_t kVersionOffered = 30;

constexpr const char* kEmergencyQuestion =
    "You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  "
    "Are you sure you want to do this?";

FileDialogRequest fileRequest(const char* title, const char* initialName) {
    return {title, "zb3", initialName, "Zelbin3 Config files *.zb3", "*.zb3"};
}

}  // namespace

void CConfigDlg::takeSelectedPort() {
    const int selected = controls.comboSelection(ids::kComPort);
    if (selected < 0) {
        return;  // the link keeps the name it had
    }
    link.setPortName(controls.comboItemText(ids::kComPort, selected));
}

void CConfigDlg::OnReadVersion() {
    const CommandScope command(*this);
    takeSelectedPort();
    std::array<char, kVersionAreaSize> reply{};
    const bool failed = runDeviceCommand(*this, "Zelbin3 Version", link, [&] {
        return link.probeDevice(std::span(reply).first(kVersionOffered));
    });
    if (!failed) {
        showMessage(reply.data(), "Zelbin3 Version");
    }
    updateDeviceEnables();
}

void CConfigDlg::OnReadConfiguration() {
    // The form is not stored first: a successful read replaces unsaved edits.
    const CommandScope command(*this);
    takeSelectedPort();
    std::array<std::uint8_t, kImageBufferSize> image{};
    std::array<char, kVersionAreaSize> reply{};
    std::int32_t size = 0;
    const bool probeFailed = runDeviceCommand(*this, "Zelbin3 Read", link, [&] {
        if (link.probeDevice(std::span(reply).first(kVersionOffered))) {
            return true;
        }
        size = link.readImageVerified(image);
        return false;
    });
    if (!probeFailed) {
        if (size != kImageSize || config.decodeImage(std::span(image).first(kImageSize))) {
            showMessage("Read Failed", "Zelbin3 Read");
        } else {
            loadForm();
            showMessage("Read Successful", "Zelbin3 Read");
            updateToneLabels();
        }
    }
    updateDeviceEnables();
}

void CConfigDlg::OnWriteConfiguration() {
    // Any failure ends the command after its own message, enables untouched.
    const CommandScope command(*this);
    takeSelectedPort();
    storeForm();
    if (config.micEStatus[0] == kEmergencyStatus || config.micEStatus[1] == kEmergencyStatus) {
        if (showMessage(kEmergencyQuestion, "Zelbin3 Write", MessageButtons::OkCancel) !=
            MessageAnswer::Ok) {
            return;
        }
    }
    std::array<std::uint8_t, kImageBufferSize> image{};
    const auto written =
        std::span(image).first(static_cast<std::size_t>(config.encodeImage(image)));
    const bool failed = runDeviceCommand(*this, "Zelbin3 Write", link, [&] {
        std::array<char, kVersionAreaSize> reply{};
        return link.probeDevice(std::span(reply).first(kVersionOffered)) ||
               link.writeImageVerified(written);
    });
    if (failed) {
        return;
    }
    // The record becomes exactly what the tracker now holds.
    if (config.decodeImage(written)) {
        return;
    }
    loadForm();
    showMessage("Write Successful", "Zelbin3 Write");
    updateToneLabels();
    updateDeviceEnables();
}

void CConfigDlg::sendToneCommand(std::uint8_t code) {
    // Tones use the rate of the last probe; they do not look for the tracker.
    const CommandScope command(*this);
    takeSelectedPort();
    storeForm();
    if (config.calibrationChanged) {
        showMessage("New Calibration value should be written before Testing Tones",
                    "Calibration not written");
    }
    runDeviceCommand(*this, "Test Tones", link, [&] { return link.sendTone(code); });
}

void CConfigDlg::OnSendLowTone() {
    sendToneCommand(kToneLow);
}
void CConfigDlg::OnSendHighTone() {
    sendToneCommand(kToneHigh);
}
void CConfigDlg::OnSendBothTones() {
    sendToneCommand(kToneBoth);
}
void CConfigDlg::OnStopTones() {
    sendToneCommand(kToneStop);
}

void CConfigDlg::OnProfileTabChange() {
    storeForm();
    config.activeProfile = controls.currentTab(ids::kProfileTabs) & 1;
    loadForm();
    updateToneLabels();
}

void CConfigDlg::OnLoadFile() {
    // The form is not stored first: a successful load replaces unsaved edits.
    if (auto path = filePrompt_->openPath(fileRequest("Load Config File", ""))) {
        loadConfigFile(*path);
    }
}

void CConfigDlg::OnSaveFile() {
    if (auto path = filePrompt_->savePath(fileRequest("Save Config File", "config1.zb3"))) {
        saveConfigFile(*path);
    }
}

void CConfigDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CConfigDlg::saveConfigFile(const std::string& path) {
    storeForm();
    writeConfigFile(path, config);
}

void CConfigDlg::loadConfigFile(const std::string& path) {
    if (!readConfigFile(path, config)) {
        loadForm();
    }
}

}  // namespace qz5
