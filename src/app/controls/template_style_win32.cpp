// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/template_style.h"

namespace qz5 {

// Not a face of its own: Windows maps this name to its dialog font, so the
// window looks like the system's own dialogs and every caption fits as there.
constinit const DialogFont kDialogFont{"MS Shell Dlg 2", 8};

}  // namespace qz5
