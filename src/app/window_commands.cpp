// The window's commands: they order the form exchange, the device link, the
// codec and the file functions, and report the outcome. The operations they
// call show their own failures.
#include <algorithm>
#include <array>
#include <filesystem>
#include <span>

#include "app/config_dlg.h"
#include "app/controls/about_dialog.h"
#include "app/controls/control_ids.h"
#include "app/device_command_runner.h"
#include "common/message_box.h"
#include "config/config_file.h"
#include "config/config_image.h"
#include "config/history.h"
#include "config/kept_delays.h"
#include "link/port_table.h"
#include "link/stable_port_name.h"

namespace qz5 {

namespace {

constexpr int kEmergencyStatus = 7;
constexpr std::size_t kVersionAreaSize = 32;
constexpr std::size_t kVersionOffered = 30;

constexpr const char* kEmergencyQuestion =
    "You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  "
    "Are you sure you want to do this?";

ConfigImage toImage(std::span<const std::uint8_t> bytes) {
    ConfigImage image{};
    std::copy_n(bytes.begin(), kImageSize, image.begin());
    return image;
}

FileDialogRequest fileRequest(const char* title, const char* initialName) {
    return {title, "zb3", initialName, "Zelbin3 Config files *.zb3", "*.zb3", {}};
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
        const auto bytes = std::span(image).first<kImageSize>();
        if (size != kImageSize || config.decodeImage(bytes)) {
            showMessage("Read Failed", "Zelbin3 Read");
        } else {
            images_.exchanged(toImage(bytes), "read", historyPortName(), reply.data());
            loadForm();
            markUnedited();
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
    const auto written = std::span(image).first(
        static_cast<std::size_t>(encodeKeepingDelays(config, image, images_.image())));
    std::array<char, kVersionAreaSize> reply{};
    const bool failed = runDeviceCommand(*this, "Zelbin3 Write", link, [&] {
        return link.probeDevice(std::span(reply).first(kVersionOffered)) ||
               link.writeImageVerified(written);
    });
    if (failed) {
        return;
    }
    images_.exchanged(toImage(written), "write", historyPortName(), reply.data());
    // The record becomes exactly what the tracker now holds.
    if (config.decodeImage(written)) {
        return;
    }
    loadForm();
    markUnedited();
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
    if (runDeviceCommand(*this, "Test Tones", link, [&] { return link.sendTone(code); })) {
        return;  // a failed Stop Sending may have left the tone on
    }
    if (code == kToneStop) {
        keyedTone_.reset();
    } else {
        keyedTone_ = KeyedTone{link.portName(), link.baudRate()};
    }
}

void CConfigDlg::stopTonesOnLeaving() {
    if (!keyedTone_) {
        return;
    }
    // The tone went out on that port at that rate; a failed probe or another
    // selection since then must not send the stop elsewhere.
    link.setPortName(keyedTone_->port);
    link.setBaudRate(keyedTone_->baudRate);
    keyedTone_.reset();
    // A port that is gone cannot be stopped; the user is leaving, so no box.
    SilentPresenter silent;
    const ScopedMessagePresenter quiet(silent);
    link.sendTone(kToneStop);
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
    edits_.leaving(config.activeProfile);
    storeForm();
    config.activeProfile = controls.currentTab(ids::kProfileTabs) & 1;
    loadForm();
    edits_.shown(config.activeProfile);
    updateToneLabels();
}

void CConfigDlg::OnLoadFile() {
    // The form is not stored first: a successful load replaces unsaved edits.
    FileDialogRequest request = fileRequest("Load Config File", "");
    // Kept tracker images, so a backup can be loaded and written back.
    const std::string history = historyDir().string();
    if (std::error_code unreadable; std::filesystem::is_directory(history, unreadable)) {
        request.places.push_back(history);
    }
    if (auto path = filePrompt_->openPath(request)) {
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
    if (!writeConfigFile(path, config, images_.image())) {
        markUnedited();
    }
}

void CConfigDlg::loadConfigFile(const std::string& path) {
    ConfigImage image{};
    if (!readConfigFile(path, config, &image)) {
        images_.keep(image);
        loadForm();
        markUnedited();
    }
}

std::string CConfigDlg::historyPortName() const {
    const auto device = ports_->devicePath(link.portName());
    return device ? stablePortName(*device) : std::string(link.portName());
}

}  // namespace qz5
