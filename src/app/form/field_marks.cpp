// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form/field_marks.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "app/controls/control_access.h"
#include "app/controls/field_controls.h"
#include "app/form/finding_text.h"
#include "app/plain_text.h"

namespace qz5 {

namespace {

QLineEdit* editOf(QWidget* control) {
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        return list->lineEdit();
    }
    return qobject_cast<QLineEdit*>(control);
}

// Where the control shows the icon: in an edit's frame, beside a checkbox's
// caption, or beside the chosen item of a fixed list.
QAction* showIcon(QWidget* control, const QIcon& icon, const QString& word) {
    if (QLineEdit* edit = editOf(control)) {
        QAction* action = edit->addAction(icon, QLineEdit::TrailingPosition);
        // The icon is a button of its own to a screen reader: it says its severity.
        action->setText(word);
        return action;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setIcon(icon);
    } else if (auto* list = qobject_cast<QComboBox*>(control); list && list->currentIndex() >= 0) {
        list->setItemIcon(list->currentIndex(), icon);
    }
    return nullptr;
}

void hideIcon(QWidget* control, QAction* inEdit) {
    if (inEdit != nullptr) {
        delete inEdit;
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setIcon(QIcon());
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        for (int index = 0; index < list->count(); ++index) {
            list->setItemIcon(index, QIcon());
        }
    }
}

// The control's own help stays first; the findings' text, which may carry a
// country's name, is shown as written.
QString withOwnToolTip(const QString& own, const QString& lines) {
    return own.isEmpty() ? asToolTip(lines) : asToolTip(own + QStringLiteral("\n\n") + lines);
}

}  // namespace

void FieldMarks::mark(const std::vector<Finding>& findings, int profile) {
    clear();
    for (const Finding& finding : findings) {
        if (finding.profile && *finding.profile != profile) {
            continue;
        }
        QWidget* control = controls_.control(fieldControlId(finding.field));
        if (control == nullptr) {
            continue;
        }
        const QString line = findingLine(finding);
        auto marked = std::find_if(marks_.begin(), marks_.end(),
                                   [&](const Mark& mark) { return mark.control == control; });
        if (marked != marks_.end()) {
            // Most severe first: the icon stays, the text grows.
            const QString lines = control->accessibleDescription() + QLatin1Char('\n') + line;
            control->setAccessibleDescription(lines);
            control->setToolTip(withOwnToolTip(marked->toolTip, lines));
            if (marked->icon != nullptr) {
                marked->icon->setToolTip(asToolTip(lines));
            }
            continue;
        }
        Mark mark{control, control->toolTip(), control->accessibleDescription(), nullptr};
        mark.icon = showIcon(control, severityIcon(finding.severity, *control->style()),
                             severityWord(finding.severity));
        if (mark.icon != nullptr) {
            mark.icon->setToolTip(asToolTip(line));
        }
        control->setToolTip(withOwnToolTip(mark.toolTip, line));
        control->setAccessibleDescription(line);
        marks_.push_back(mark);
    }
}

void FieldMarks::clear() {
    for (const Mark& mark : marks_) {
        hideIcon(mark.control, mark.icon);
        mark.control->setToolTip(mark.toolTip);
        mark.control->setAccessibleDescription(mark.description);
    }
    marks_.clear();
}

}  // namespace qz5
