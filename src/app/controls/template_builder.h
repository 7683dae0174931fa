#pragma once

#include "app/controls/control_access.h"
#include "app/controls/dialog_template.h"

class QDialog;

namespace qz5 {

// Creates every control of the template as a child of the dialog, in template
// order, placed by dialog units of the template's font; fixes the dialog's
// size and title, fills the initial lists and registers each control that has
// an id. Hidden controls are created but never shown.
void buildDialog(QDialog& dialog, const DialogTemplate& tpl, ControlAccess& controls);

}  // namespace qz5
