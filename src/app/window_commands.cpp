// SPDX-License-Identifier: GPL-3.0-or-later
// The window's commands: they order the form exchange, the device link, the
// codec and the file functions, and show what each outcome raised, in order,
// as soon as it is back on this thread.
#include <filesystem>
#include <optional>

#include "app/config_dlg.h"
#include "app/controls/about_dialog.h"
#include "app/controls/control_ids.h"
#include "app/keep_before_write.h"
#include "app/window_advice.h"
#include "app/write_summary.h"
#include "common/message_box.h"
#include "config/config_file.h"
#include "config/config_image.h"
#include "config/history.h"
#include "config/kept_delays.h"
#include "workflow/tracker_workflow.h"

namespace qz5 {

void CConfigDlg::takeSelectedPort() {
    const int selected = controls_.comboSelection(ids::kComPort);
    if (selected < 0) {
        return;  // the link keeps the name it had
    }
    link.setPortName(controls_.comboItemText(ids::kComPort, selected));
}

void CConfigDlg::OnReadVersion() {
    const CommandScope command(*this);
    takeSelectedPort();
    const Outcome<std::string> reply = tracker_.readVersion();
    showMessages(advisedMessages(reply, kWindowAdvice));
    if (reply) {
        showMessage(*reply, kVersionCaption);
    }
    updateDeviceEnables();
}

void CConfigDlg::OnReadConfiguration() {
    // The form is not stored first: a successful read replaces unsaved edits.
    const CommandScope command(*this);
    takeSelectedPort();
    const Outcome<ConfigImage> read = tracker_.readConfiguration(
        config, [this](const ConfigImage& image) { showTrackerImage(image); });
    showMessages(advisedMessages(read, kWindowAdvice));
    if (read) {
        updateToneLabels();
    }
    updateDeviceEnables();
}

void CConfigDlg::OnWriteConfiguration() {
    // Any failure ends the command after its own message, enables untouched.
    const CommandScope command(*this);
    takeSelectedPort();
    storeForm();
    ConfigImage sent{};
    Keeping keeping;
    const auto encode = [&]() -> std::optional<ConfigImage> {
        // A whole image always encodes; its warnings show before the worker starts.
        showMessages(encodeKeepingDelays(config, sent, images_.image()).messages());
        if (chosen(ids::kKeepBeforeWrite)) {
            keeping = keepBeforeWrite(tracker_);
        }
        if (keeping.verdict == Keeping::Verdict::Stop) {
            return std::nullopt;
        }
        return sent;
    };
    const Outcome<WriteOutcome> written = tracker_.writeConfiguration(
        config, encode, [this](const ConfigImage& image) { showTrackerImage(image); });
    AdviceContext advice = kWindowAdvice;
    advice.backupKept = keeping.verdict == Keeping::Verdict::Kept;
    Notices messages = advisedMessages(written, advice);
    const bool done = written && *written == WriteOutcome::Written;
    if (done) {
        describeWrite(messages.back(), keeping, sent);  // "Write Successful" ends them
    }
    showMessages(messages);
    if (done) {
        updateToneLabels();
        updateDeviceEnables();
    }
}

void CConfigDlg::showTrackerImage(const ConfigImage& image) {
    images_.keep(image);
    loadForm();
    markUnedited();
    checkForm();
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
    // A command that failed before its code went out (a failed Stop Sending
    // may have left the tone on) changes nothing; one that failed after it,
    // on the close, does.
    const Outcome<> sent = talkThrough(runner_, "Test Tones", [&] { return link.sendTone(code); });
    showMessages(advisedMessages(sent, kWindowAdvice));
    if (!sent && !link.toneSent()) {
        return;
    }
    tones_.sent(code);
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
    config.activeProfile = controls_.currentTab(ids::kProfileTabs) & 1;
    loadForm();
    edits_.shown(config.activeProfile);
    updateToneLabels();
    showMarks();
}

void CConfigDlg::OnLoadFile() {
    // The form is not stored first: a successful load replaces unsaved edits.
    FileDialogRequest request = configFileRequest("Load Config File", "");
    // Kept tracker images, so a backup can be loaded and written back.
    const std::filesystem::path history = historyDir();
    if (std::error_code unreadable; std::filesystem::is_directory(history, unreadable)) {
        request.places.push_back(history.string());
    }
    if (auto path = filePrompt_->openPath(request)) {
        loadConfigFile(*path);
    }
}

void CConfigDlg::OnSaveFile() {
    if (auto path = filePrompt_->savePath(configFileRequest("Save Config File", "config1.zb3"))) {
        saveConfigFile(*path);
    }
}

void CConfigDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
    // Without a window manager nobody hands the keyboard back to the window
    // the box stood over.
    activateWindow();
}

void CConfigDlg::saveConfigFile(const std::string& path) {
    storeForm();
    const Outcome<> saved = writeConfigFile(path, config, images_.image());
    showMessages(saved.messages());
    if (saved) {
        markUnedited();
    }
}

void CConfigDlg::loadConfigFile(const std::string& path) {
    ConfigImage image{};
    const Outcome<> loaded = readConfigFile(path, config, &image);
    showMessages(loaded.messages());
    if (loaded) {
        images_.keep(image);
        loadForm();
        markUnedited();
        checkForm();
    }
}

}  // namespace qz5
