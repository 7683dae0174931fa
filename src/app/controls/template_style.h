// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/controls/dialog_template.h"

namespace qz5 {

// The templates' font: each system's own face for dialogs, at 8 points.
extern const DialogFont kDialogFont;

}  // namespace qz5
