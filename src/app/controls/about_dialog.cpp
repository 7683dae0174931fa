// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/about_dialog.h"

#include <QEvent>
#include <QPushButton>

#include "app/controls/about_box_template.h"
#include "app/controls/app_icon.h"
#include "app/controls/template_builder.h"

namespace qz5 {

namespace {

constexpr int kOkId = 1;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    view_ = buildDialog(*this, aboutBoxTemplate(), controls_);
    setWindowIcon(applicationIcon());
    auto* ok = qobject_cast<QPushButton*>(controls_.control(kOkId));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CAboutDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        view_.retranslate();
        view_.show(*this);
    }
    QDialog::changeEvent(event);
}

}  // namespace qz5
