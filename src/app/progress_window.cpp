// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/progress_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace qz5 {

namespace {

// Wide enough for the longest step text, so the window never jumps in size.
constexpr int kMinimumTextWidthChars = 44;

}  // namespace

ProgressWindow::ProgressWindow(const QString& title, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      phase_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    phase_->setMinimumWidth(fontMetrics().averageCharWidth() * kMinimumTextWidthChars);
    layout->addWidget(phase_);
    bar_->setRange(0, 0);
    bar_->setTextVisible(false);
    bar_->setAccessibleName(title);
    layout->addWidget(bar_);
    setFixedSize(sizeHint());
}

void ProgressWindow::showProgress(const LinkProgress& progress) {
    const QString step = QString::fromStdString(describeProgress(progress));
    phase_->setText(step);
    // A screen reader hears the bar by its name: the step it counts.
    bar_->setAccessibleName(step);
    if (progress.total > 0) {
        bar_->setRange(0, progress.total);
        bar_->setValue(progress.done);
    } else {
        bar_->setRange(0, 0);
    }
}

QString ProgressWindow::phase() const {
    return phase_->text();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // It goes when the command has ended, not before.
    event->ignore();
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    // Esc would reject the dialog; there is nothing to cancel.
    event->accept();
}

}  // namespace qz5
