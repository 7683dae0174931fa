// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/progress_window.h"

#include "language/shown_text.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

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
    showPhase(shownText(describeProgress(progress)));
    if (progress.total > 0) {
        bar_->setRange(0, progress.total);
        bar_->setValue(progress.done);
    }
}

void ProgressWindow::showPhase(const QString& text) {
    phase_->setText(text);
    // A screen reader hears the bar by its name: the step it counts.
    bar_->setAccessibleName(text);
    bar_->setRange(0, 0);
}

void ProgressWindow::offerCancel(std::function<void()> cancel) {
    onCancel_ = std::move(cancel);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { this->cancel(); });
    layout()->addWidget(buttons);
    setFixedSize(sizeHint());
}

void ProgressWindow::cancel() {
    if (!onCancel_) {
        return;
    }
    std::exchange(onCancel_, nullptr)();
    cancel_->setEnabled(false);
}

QString ProgressWindow::phase() const {
    return phase_->text();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // It goes when the command has ended, not before.
    event->ignore();
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    // Esc would reject the dialog, which goes only when the command has ended.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancel();
    }
    event->accept();
}

}  // namespace qz5
