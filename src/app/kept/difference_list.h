// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QString>
#include <vector>

#include "config/settings_comparison.h"

namespace qz5 {

// A screen reader meets a list's scroll bars as controls of their own.
void nameScrollBars(QAbstractScrollArea& area);

// A setting that differs, in the window's words: "Primary, Transmit rate:
// 120 -> 600 s", the form's value first.
QString differenceText(const SettingDifference& difference);

// The settings in which something differs from the form, one line each, so a
// screen reader reads them one at a time; with none, `sameText` stands alone.
class DifferenceList : public QListWidget {
  public:
    explicit DifferenceList(QWidget* parent = nullptr);

    void setDifferences(const std::vector<SettingDifference>& differences, const QString& sameText);
    // One line that is not a setting: why there is nothing to compare.
    void setNote(const QString& note);
};

}  // namespace qz5
