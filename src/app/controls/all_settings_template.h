// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/controls/dialog_template.h"

namespace qz5 {

// The All settings view of the configuration window: the same controls as the
// main template, every one that a user can use shown and labelled in groups.
// Labels, units and tool tips come from the record's field table.
const DialogTemplate& allSettingsTemplate();

}  // namespace qz5
