// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "app/controls/control_access.h"
#include "app/controls/template_builder.h"

namespace qz5 {

// The About box: icon, program name and version, and "OK" to close it.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    const ControlAccess& controls() const { return controls_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    ControlAccess controls_;
    DialogView view_;
};

}  // namespace qz5
