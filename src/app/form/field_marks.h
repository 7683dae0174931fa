// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "config/check/finding.h"

class QAction;
class QWidget;

namespace qz5 {

class ControlAccess;

// Marks the controls whose fields have findings: the severity's icon beside
// the value, the findings added to the control's tool tip and made its
// accessible description. Clearing puts back what the control had.
class FieldMarks {
  public:
    explicit FieldMarks(ControlAccess& controls) : controls_(controls) {}
    FieldMarks(const FieldMarks&) = delete;
    FieldMarks& operator=(const FieldMarks&) = delete;

    // The findings on the shown `profile` and on the fields both share; the
    // marks before go first.
    void mark(const std::vector<Finding>& findings, int profile);
    void clear();

  private:
    struct Mark {
        QWidget* control = nullptr;
        QString toolTip;
        QString description;
        QAction* icon = nullptr;  // inside an edit; null where the control shows it
    };

    ControlAccess& controls_;
    std::vector<Mark> marks_;
};

}  // namespace qz5
