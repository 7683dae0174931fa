// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace qz5 {

// A hidden control that nothing has needed yet: what the form sets on it is
// kept here and handed to the widget when it is made. Only what the form
// exchange and the interlocks ask of a hidden field, box, list or button is
// kept; the registry makes the widget for anything else.
struct PendingControl {
    enum class Kind { Edit, CheckBox, List, Button };

    Kind kind = Kind::Edit;
    // Makes the widget, hidden and placed; the registry then hands it the values.
    std::function<QWidget*()> make;
    QString caption;              // an edit's text, a box's or a button's caption
    bool captionChanged = false;  // the caption was set since the template gave it
    bool checked = false;         // check boxes
    bool enabled = true;
    QStringList items;    // plain lists
    bool sorted = false;  // lists: items in text order, ignoring case
    int selection = -1;   // lists: -1 when none
    // Run once the widget exists, in the order they were asked for.
    std::vector<std::function<void(QWidget&)>> whenMade;

    // What a text read gives: a list's selected item, otherwise the caption.
    QString text() const;
    // As the list widget would: returns the new item's index; the selection
    // stays on its item.
    int addItem(const QString& item);
    void clearItems();
    // An index outside the list clears the selection.
    void select(int index);
};

// Where a sorted list puts a new item: after every item that does not sort
// after it, comparing text without regard to case. `itemAt` gives the text of
// each of the `count` items.
template <typename ItemAt>
int sortedPosition(int count, ItemAt itemAt, const QString& text) {
    int position = count;
    while (position > 0 && QString::compare(itemAt(position - 1), text, Qt::CaseInsensitive) > 0) {
        --position;
    }
    return position;
}

}  // namespace qz5
