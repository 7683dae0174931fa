// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/template_style.h"

namespace qz5 {

// The classic 8-point dialog face does not exist here; DejaVu Sans is always
// installed, and at this size its dialog units come close to the classic
// ones, so every caption fits its control.
constinit const DialogFont kDialogFont{"DejaVu Sans", 8};

}  // namespace qz5
