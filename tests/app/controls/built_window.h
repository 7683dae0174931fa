// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QDialog>

#include "app/controls/control_access.h"
#include "app/controls/main_window_template.h"
#include "app/controls/template_builder.h"

namespace qz5::testing {

// The main window's controls, built from their template and on screen.
class BuiltWindow : public ::testing::Test {
  protected:
    BuiltWindow() {
        buildDialog(dialog, mainWindowTemplate(), controls);
        dialog.show();
    }

    template <typename Widget>
    Widget* widget(int id) {
        auto* found = qobject_cast<Widget*>(controls.control(id));
        EXPECT_NE(found, nullptr) << "control " << id;
        return found;
    }

    QDialog dialog;
    ControlAccess controls;
};

}  // namespace qz5::testing
