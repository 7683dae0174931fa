// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving the window: edits that were neither written nor saved are not
// dropped without asking.
#include "app/config_dlg.h"
#include "common/message_box.h"

namespace qz5 {

bool CConfigDlg::confirmLeave() {
    if (!form_.edited()) {
        return true;
    }
    return showMessage(say("Window",
                           "The settings were changed and have not been written to the "
                           "tracker or saved to a file. Discard the changes and close?"),
                       say("Window", "Unsaved Changes"),
                       MessageButtons::DiscardCancel) == MessageAnswer::Discard;
}

void CConfigDlg::leave(int result) {
    if (!confirmLeave()) {
        return;
    }
    commands_.stopTonesOnLeaving();
    QDialog::done(result);
}

}  // namespace qz5
