// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/about_dialog.h"

#include <QPushButton>

#include "app/controls/about_box_template.h"
#include "app/controls/app_icon.h"
#include "app/controls/template_builder.h"

namespace qz5 {

namespace {

constexpr int kOkId = 1;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    buildDialog(*this, aboutBoxTemplate(), controls_);
    setWindowIcon(applicationIcon());
    auto* ok = qobject_cast<QPushButton*>(controls_.control(kOkId));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace qz5
