// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/controls/dialog_template.h"

namespace qz5 {

// The templates' font. The classic 8-point dialog face does not exist here;
// DejaVu Sans is always installed, and at this size its dialog units come
// close to the classic ones, so every caption fits its control.
inline constexpr DialogFont kDialogFont{"DejaVu Sans", 8};

}  // namespace qz5
