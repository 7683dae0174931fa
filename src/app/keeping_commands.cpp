// SPDX-License-Identifier: GPL-3.0-or-later
// The window's way to what is kept: the history of images, and the tracker's
// settings set beside the form.
#include <optional>

#include "app/compare_dialog.h"
#include "app/config_dlg.h"
#include "app/history_dialog.h"
#include "config/history.h"
#include "config/kept_delays.h"
#include "config/settings_comparison.h"

namespace qz5 {

ConfigImage CConfigDlg::formImage() const {
    TrackerConfig form = storedForm();
    ConfigImage image{};
    encodeKeepingDelays(form, image, images_.image());
    return image;
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
    if (!config.decodeImage(image)) {
        images_.keep(image);
        loadForm();
        updateToneLabels();
        edits_.markChanged();
        checkForm();
    }
    activateWindow();
}

void CConfigDlg::OnCompareWithTracker() {
    std::optional<ConfigImage> image;
    TrackerConfig tracker = config;
    {
        const CommandScope command(*this);
        takeSelectedPort();
        image = tracker_.readImage(tracker, "read");
        updateDeviceEnables();
    }
    if (!image) {
        return;  // the read has said why
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
