// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "app/controls/control_access.h"

namespace qz5 {

// The About box: icon, program name and version, and "OK" to close it.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    const ControlAccess& controls() const { return controls_; }

  private:
    ControlAccess controls_;
};

}  // namespace qz5
