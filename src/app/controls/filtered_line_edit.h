// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace qz5 {

class TextStyleValidator;

// An edit field that forces entered letters to capitals or accepts only
// entered digits, however the text comes in: typed, pasted, middle-clicked,
// committed by an input method or dropped. Text set from code passes
// unfiltered, so a value loaded into the form shows exactly as stored.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    FilteredLineEdit(bool upperCase, bool digitsOnly, QWidget* parent);

    // Shows `text` as it is, whatever the field's style.
    void setTextFromCode(const QString& text);

  private:
    TextStyleValidator* style_ = nullptr;  // none for a field without a style
};

}  // namespace qz5
