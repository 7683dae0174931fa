// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <vector>

#include "config/settings_comparison.h"

class QPushButton;

namespace qz5 {

class DifferenceList;

// What the tracker holds against the form: the settings in which they
// differ, or that they are the same. Ends Accepted when the user asks for the
// tracker's settings in the form.
class CompareDialog : public QDialog {
  public:
    explicit CompareDialog(const std::vector<SettingDifference>& differences,
                           QWidget* parent = nullptr);

    DifferenceList* differenceList() const { return differences_; }
    QPushButton* loadButton() const { return load_; }

  private:
    DifferenceList* differences_;
    QPushButton* load_;
};

}  // namespace qz5
