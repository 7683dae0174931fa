// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/config_image.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

// Sets one field from "FIELD=VALUE", split at the first '=': FIELD is a JSON
// name ("calibration", "profiles[1].statusText"), VALUE a text as it stands
// for a text field and a JSON value otherwise. Throws JsonFormError naming the
// field, leaving `config` untouched.
void applySetting(std::string_view assignment, TrackerConfig& config);

// Applies "N=NAME": the SmartBeaconing preset NAME, in any letter case, to
// profile N, 1 (Primary) or 2 (Secondary). Throws JsonFormError saying what
// is wrong, leaving `config` untouched.
void applyPresetSetting(std::string_view assignment, TrackerConfig& config);

// What the command line changes in a record: the presets, then the settings,
// each in the order given.
struct RecordChanges {
    std::vector<std::string> presets = {};   // N=NAME
    std::vector<std::string> settings = {};  // FIELD=VALUE
};

// Applies every change in order, then, with an image, encodes the record
// into it as Write does, keeping the image's delay counts where the delays
// were not set. Nothing changes without changes, nor when one of them is
// wrong (Usage, after a message naming it).
ExitStatus applySettings(const RecordChanges& changes, TrackerConfig& config, ConfigImage* image);

}  // namespace qz5
