// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/filtered_line_edit.h"

#include <QApplication>
#include <QValidator>
#include <algorithm>

namespace qz5 {

// Judges only what a change inserts, found by comparing with the text before
// it, so a value from code that breaks the style can still be edited around.
// Qt undoes a user's change that is judged invalid.
class TextStyleValidator final : public QValidator {
  public:
    TextStyleValidator(bool upperCase, bool digitsOnly, QLineEdit& edit)
        : QValidator(&edit), upperCase_(upperCase), digitsOnly_(digitsOnly) {
        connect(&edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { before_ = text; });
    }

    State validate(QString& input, int& /*pos*/) const override {
        if (fromCode_) {
            return Acceptable;
        }
        const qsizetype limit = std::min(input.size(), before_.size());
        qsizetype prefix = 0;
        while (prefix < limit && input[prefix] == before_[prefix]) {
            ++prefix;
        }
        qsizetype suffix = 0;
        while (suffix < limit - prefix &&
               input[input.size() - 1 - suffix] == before_[before_.size() - 1 - suffix]) {
            ++suffix;
        }
        for (qsizetype k = prefix; k < input.size() - suffix; ++k) {
            QChar& c = input[k];
            if (digitsOnly_ && (c < u'0' || c > u'9')) {
                return Invalid;
            }
            // Only capitals that stay one Latin-1 character: anything else
            // would not survive the trip to the tracker.
            const QChar upper = c.toUpper();
            if (upperCase_ && upper.unicode() <= 0xFF) {
                c = upper;
            }
        }
        return Acceptable;
    }

    void setFromCode(bool fromCode) { fromCode_ = fromCode; }

  private:
    bool upperCase_;
    bool digitsOnly_;
    bool fromCode_ = false;
    QString before_;
};

FilteredLineEdit::FilteredLineEdit(bool upperCase, bool digitsOnly, QWidget* parent)
    : QLineEdit(parent) {
    if (upperCase || digitsOnly) {
        style_ = new TextStyleValidator(upperCase, digitsOnly, *this);
        setValidator(style_);
        connect(this, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });
    }
}

void FilteredLineEdit::setTextFromCode(const QString& text) {
    if (style_) {
        style_->setFromCode(true);
    }
    setText(text);
    if (style_) {
        style_->setFromCode(false);
    }
}

}  // namespace qz5
