// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/kept/compare_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kept/difference_list.h"
#include "language/shown_text.h"

namespace qz5 {

CompareDialog::CompareDialog(const std::vector<SettingDifference>& differences, QWidget* parent)
    : QDialog(parent),
      differences_(new DifferenceList(this)),
      load_(new QPushButton(translated("Compare", "&Load Tracker's Settings"), this)) {
    setWindowTitle(translated("Compare", "Compare with Tracker"));
    differences_->setAccessibleName(translated("Compare", "Differences from the form"));
    differences_->setDifferences(
        differences, translated("Compare", "The tracker holds the same settings as the form."));
    auto* heading = new QLabel(
        differences.empty()
            ? translated("Compare", "&The tracker and the form are the same:")
            : translated("Compare", "&The tracker differs from the form (form -> tracker):"),
        this);
    heading->setBuddy(differences_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(load_, QDialogButtonBox::AcceptRole);
    QPushButton* close =
        buttons->addButton(translated("Compare", "&Close"), QDialogButtonBox::RejectRole);
    for (QPushButton* button : {load_, close}) {
        button->setAutoDefault(false);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(differences_, 1);
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(
        QSize(fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 16)));
    differences_->setFocus();
}

}  // namespace qz5
