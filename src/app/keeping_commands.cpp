// SPDX-License-Identifier: GPL-3.0-or-later
// The window's way to what is kept: the history of images, and the tracker's
// settings set beside the form.
#include <optional>

#include "app/compare_dialog.h"
#include "app/config_dlg.h"
#include "app/controls/control_ids.h"
#include "app/history_dialog.h"
#include "app/window_advice.h"
#include "common/message_box.h"
#include "config/history.h"
#include "config/kept_delays.h"
#include "config/settings_comparison.h"

namespace qz5 {

ConfigImage CConfigDlg::formImage() const {
    TrackerConfig form = storedForm();
    ConfigImage image{};
    // A whole image always encodes; its warnings are the Write's to show.
    static_cast<void>(encodeKeepingDelays(form, image, images_.image()));
    return image;
}

void CConfigDlg::OnKeepBeforeWrite() {
    rememberKeepBeforeWrite(chosen(ids::kKeepBeforeWrite));
}

void CConfigDlg::OnHistory() {
    HistoryDialog history(historyDir(), formImage(), *filePrompt_, this);
    if (history.exec() != QDialog::Accepted || !history.chosen()) {
        activateWindow();
        return;
    }
    // As a loaded file, but what the form now holds is on neither the
    // tracker nor a file of the user's: leaving asks first.
    const ConfigImage& image = *history.chosen();
    const Outcome<> decoded = config.decodeImage(image);
    showMessages(decoded.messages());
    if (decoded) {
        images_.keep(image);
        loadForm();
        updateToneLabels();
        edits_.markChanged();
        checkForm();
    }
    activateWindow();
}

void CConfigDlg::OnCompareWithTracker() {
    TrackerConfig tracker = config;
    std::optional<ConfigImage> image;
    {
        const CommandScope command(*this);
        takeSelectedPort();
        const Outcome<ConfigImage> read = tracker_.readImage(tracker, "read");
        showMessages(advisedMessages(read, kWindowAdvice));
        if (read) {
            image = *read;
        }
        updateDeviceEnables();
    }
    if (!image) {
        return;
    }
    CompareDialog compare(compareSettings(formImage(), *image), this);
    if (compare.exec() == QDialog::Accepted) {
        config = tracker;
        showTrackerImage(*image);
        updateToneLabels();
    }
    activateWindow();
}

}  // namespace qz5
