// SPDX-License-Identifier: GPL-3.0-or-later
// The window's way to what is kept: the history of images, and the tracker's
// settings set beside the form.
#include <QWidget>
#include <optional>

#include "app/device/device_commands.h"
#include "app/device/window_advice.h"
#include "app/form/form_controller.h"
#include "app/kept/compare_dialog.h"
#include "app/kept/history_dialog.h"
#include "common/message_box.h"
#include "config/history.h"
#include "config/settings_comparison.h"

namespace qz5 {

void DeviceCommands::openHistory(FilePrompt& prompt) {
    HistoryDialog history(historyDir(), form_.formImage(), prompt, &window_);
    if (history.exec() == QDialog::Accepted && history.chosen()) {
        // As a loaded file, but what the form now holds is on neither the
        // tracker nor a file of the user's: leaving asks first.
        form_.showKeptImage(*history.chosen());
    }
    window_.activateWindow();
}

void DeviceCommands::compareWithTracker() {
    TrackerConfig tracker = form_.record();
    std::optional<ConfigImage> image;
    {
        const CommandScope command(*this);
        takeSelectedPort();
        const Outcome<ConfigImage> read = tracker_.readImage(tracker, "read");
        showMessages(advisedMessages(read, kWindowAdvice));
        if (read) {
            image = *read;
        }
        form_.updateDeviceEnables();
    }
    if (!image) {
        return;
    }
    CompareDialog compare(compareSettings(form_.formImage(), *image), &window_);
    if (compare.exec() == QDialog::Accepted) {
        form_.record() = tracker;
        form_.showTrackerImage(*image);
        form_.updateToneLabels();
    }
    window_.activateWindow();
}

}  // namespace qz5
