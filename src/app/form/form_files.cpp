// SPDX-License-Identifier: GPL-3.0-or-later
// The whole record to and from a configuration file, with the image that its
// delays are kept by.
#include "app/form/form_controller.h"
#include "common/message_box.h"
#include "config/config_file.h"

namespace qz5 {

void FormController::saveConfigFile(const std::string& path) {
    storeForm();
    const Outcome<> saved = writeConfigFile(path, config_, images_.image());
    showMessages(saved.messages());
    if (saved) {
        markUnedited();
    }
}

void FormController::loadConfigFile(const std::string& path) {
    ConfigImage image{};
    const Outcome<> loaded = readConfigFile(path, config_, &image);
    showMessages(loaded.messages());
    if (loaded) {
        showTrackerImage(image);
    }
}

}  // namespace qz5
