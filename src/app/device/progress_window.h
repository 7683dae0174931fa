// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

#include "link/link_progress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace qz5 {

// The small window that names what a device command is doing, with a bar: a
// count of bytes where the step has one, a busy bar otherwise. Only a command
// that can stop safely offers Cancel: a write stopped half way would leave the
// tracker half written.
class ProgressWindow : public QDialog {
  public:
    ProgressWindow(const QString& title, QWidget* owner);

    void showProgress(const LinkProgress& progress);
    // A step the link does not know of, with a busy bar.
    void showPhase(const QString& text);
    QString phase() const;
    // Adds a Cancel button, also pressed by Esc; `cancel` runs once, on the
    // first press, and the command stops when it next can.
    void offerCancel(std::function<void()> cancel);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void cancel();

    QLabel* phase_;
    QProgressBar* bar_;
    QPushButton* cancel_ = nullptr;
    std::function<void()> onCancel_;
};

}  // namespace qz5
