// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/controls/dialog_template.h"

namespace qz5 {

// Template 102: the configuration window with its 67 controls.
const DialogTemplate& mainWindowTemplate();

}  // namespace qz5
