// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/controls/dialog_template.h"

namespace qz5 {

// The templates' font, the same on every system: Linux has DejaVu Sans and
// the Windows program carries it, so both draw the same pixels. At this size
// its dialog units come close to the classic 8-point dialog face's, and
// every caption fits its control.
inline constexpr DialogFont kDialogFont{"DejaVu Sans", 8};

}  // namespace qz5
