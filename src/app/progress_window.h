// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "link/link_progress.h"

class QLabel;
class QProgressBar;

namespace qz5 {

// The small window that names what a device command is doing, with a bar: a
// count of bytes where the step has one, a busy bar otherwise. It has no
// Cancel: a write stopped half way would leave the tracker half written.
class ProgressWindow : public QDialog {
  public:
    ProgressWindow(const QString& title, QWidget* owner);

    void showProgress(const LinkProgress& progress);
    QString phase() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* phase_;
    QProgressBar* bar_;
};

}  // namespace qz5
