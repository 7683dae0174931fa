// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/control_access.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <string>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTextDocument>

#include "app/controls/filtered_line_edit.h"
#include "app/controls/lossy_latin1.h"

namespace qz5 {

namespace {

// A text read delivers at most this many characters (a 79-character buffer
// with its terminator).
constexpr std::size_t kMaxReadChars = 78;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// atoi's reading of a number; a value beyond 32 bits saturates instead of
// wrapping into an unrelated number.
std::int32_t parseInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT32_MIN) : INT32_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(limit, magnitude * 10 + (text[i] - '0'));
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

QString widgetText(const QWidget* widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->title();
    }
    return {};
}

void setWidgetText(QWidget* widget, const QString& text) {
    widget->setProperty(ControlAccess::kTemplateCaptionProperty, QVariant());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (auto* filtered = qobject_cast<FilteredLineEdit*>(edit)) {
            filtered->setTextFromCode(text);
        } else {
            edit->setText(text);
        }
        // Show the start of a long text, not its end.
        edit->setCursorPosition(0);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // A plain list has no text of its own to set.
        if (combo->isEditable()) {
            combo->setEditText(text);
            combo->lineEdit()->setCursorPosition(0);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        // A caption without '&' would take the button's Alt letter with it.
        const QKeySequence shortcut = button->shortcut();
        button->setText(text);
        button->setShortcut(shortcut);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    }
}

// A check box's state from a set value: a state beyond the box's highest one
// is taken as that highest one, so a two-state box reads any nonzero low byte
// as checked.
Qt::CheckState checkState(std::int32_t value, bool tristate) {
    const int state = std::min(value & 0xFF, tristate ? 2 : 1);
    return state == 0 ? Qt::Unchecked : state == 1 ? Qt::Checked : Qt::PartiallyChecked;
}

// What was set on a pending control, given to its new widget.
void handOver(const PendingControl& pending, QWidget& widget) {
    if (pending.captionChanged) {
        setWidgetText(&widget, pending.caption);
    }
    if (auto* box = qobject_cast<QCheckBox*>(&widget); box && pending.checked) {
        box->setCheckState(Qt::Checked);
    }
    if (auto* list = qobject_cast<QComboBox*>(&widget)) {
        const QSignalBlocker quiet(list);
        list->addItems(pending.items);
        list->setCurrentIndex(pending.selection);
    }
    if (!pending.enabled) {
        widget.setEnabled(false);
    }
}

}  // namespace

void ControlAccess::registerControl(int id, QWidget* widget) {
    pending_.erase(id);
    controls_[id] = widget;
}

void ControlAccess::registerPending(int id, PendingControl pending) {
    controls_.erase(id);
    pending_.insert_or_assign(id, std::move(pending));
}

PendingControl* ControlAccess::pending(int id) const {
    const auto found = pending_.find(id);
    return found == pending_.end() ? nullptr : &found->second;
}

QWidget* ControlAccess::madeControl(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

bool ControlAccess::hasControl(int id) const {
    return madeControl(id) != nullptr || pending_.contains(id);
}

QWidget* ControlAccess::control(int id) const {
    if (QWidget* made = madeControl(id)) {
        return made;
    }
    const auto found = pending_.find(id);
    if (found == pending_.end()) {
        return nullptr;
    }
    // Out of the pending ones first, so what the new widget is handed goes to it.
    const PendingControl pending = std::move(found->second);
    pending_.erase(found);
    QWidget* widget = pending.make();
    controls_[id] = widget;
    handOver(pending, *widget);
    for (const auto& use : pending.whenMade) {
        use(*widget);
    }
    return widget;
}

void ControlAccess::whenMade(int id, std::function<void(QWidget&)> use) {
    if (QWidget* made = madeControl(id)) {
        use(*made);
    } else if (PendingControl* waiting = pending(id)) {
        waiting->whenMade.push_back(std::move(use));
    }
}

void ControlAccess::retitlePending(int id, const QString& caption) {
    if (PendingControl* waiting = pending(id); waiting && !waiting->captionChanged) {
        waiting->caption = caption;
    }
}

void ControlAccess::retitlePendingItems(int id, const QStringList& items) {
    if (PendingControl* waiting = pending(id); waiting && waiting->items.size() == items.size()) {
        waiting->items = items;
    }
}

void ControlAccess::enableControl(int id, bool enabled) {
    if (PendingControl* waiting = pending(id)) {
        waiting->enabled = enabled;
    } else if (QWidget* widget = control(id)) {
        widget->setEnabled(enabled);
    }
}

std::string ControlAccess::getControlText(int id) const {
    if (const PendingControl* waiting = pending(id)) {
        return toLatin1(waiting->text(), kMaxReadChars);
    }
    const QWidget* widget = control(id);
    return widget == nullptr ? std::string() : toLatin1(widgetText(widget), kMaxReadChars);
}

std::int32_t ControlAccess::getControlInt(int id) const {
    return parseInt(getControlText(id));
}

void ControlAccess::setControlText(int id, std::string_view text) {
    setControlWords(id, fromLatin1(text));
}

void ControlAccess::setControlWords(int id, const QString& text) {
    if (PendingControl* waiting = pending(id)) {
        // A plain list has no text of its own to set.
        if (waiting->kind != PendingControl::Kind::List) {
            waiting->caption = text;
            waiting->captionChanged = true;
        }
    } else if (QWidget* widget = control(id)) {
        setWidgetText(widget, text);
    }
}

void ControlAccess::setControlInt(int id, std::int32_t value) {
    setControlText(id, std::to_string(value));
}

bool ControlAccess::getControlCheck(int id) const {
    if (const PendingControl* waiting = pending(id)) {
        return waiting->kind == PendingControl::Kind::CheckBox && waiting->checked;
    }
    const auto* box = qobject_cast<const QCheckBox*>(control(id));
    return box != nullptr && box->checkState() == Qt::Checked;
}

void ControlAccess::setControlCheck(int id, std::int32_t value) {
    // Pending boxes are two-state, as the template makes every box.
    if (PendingControl* waiting = pending(id)) {
        if (waiting->kind == PendingControl::Kind::CheckBox) {
            waiting->checked = checkState(value, false) == Qt::Checked;
        }
    } else if (auto* box = qobject_cast<QCheckBox*>(control(id))) {
        box->setCheckState(checkState(value, box->isTristate()));
    }
}

void ControlAccess::resetComboContent(int id) {
    if (PendingControl* waiting = pending(id)) {
        if (waiting->kind == PendingControl::Kind::List) {
            waiting->clearItems();
        }
        return;
    }
    auto* combo = qobject_cast<QComboBox*>(control(id));
    if (combo == nullptr) {
        return;
    }
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->clearEditText();
}

int ControlAccess::addComboString(int id, std::string_view text) {
    return addComboWords(id, fromLatin1(text));
}

int ControlAccess::addComboWords(int id, const QString& item) {
    if (PendingControl* waiting = pending(id)) {
        return waiting->kind == PendingControl::Kind::List ? waiting->addItem(item) : -1;
    }
    auto* combo = qobject_cast<QComboBox*>(control(id));
    if (combo == nullptr) {
        return -1;
    }
    const QSignalBlocker quiet(combo);
    const int position =
        combo->property(kSortedProperty).toBool()
            ? sortedPosition(
                  combo->count(), [combo](int index) { return combo->itemText(index); }, item)
            : combo->count();
    const bool hadSelection = combo->currentIndex() >= 0;
    const QString editText = combo->currentText();
    combo->insertItem(position, item);
    // Qt selects the first item put into an empty list; adding an item
    // selects nothing here and leaves the edit text alone.
    if (!hadSelection && combo->currentIndex() >= 0) {
        combo->setCurrentIndex(-1);
        if (combo->isEditable()) {
            combo->setEditText(editText);
        }
    }
    return position;
}

void ControlAccess::setComboSelection(int id, int index) {
    if (PendingControl* waiting = pending(id)) {
        if (waiting->kind == PendingControl::Kind::List) {
            waiting->select(index);
        }
        return;
    }
    auto* combo = qobject_cast<QComboBox*>(control(id));
    if (combo == nullptr) {
        return;
    }
    const QSignalBlocker quiet(combo);
    const bool inList = index >= 0 && index < combo->count();
    combo->setCurrentIndex(inList ? index : -1);
    // Selecting always replaces the edit text, even when the item was already
    // selected and the text had been changed since; no selection clears it.
    if (combo->isEditable()) {
        combo->setEditText(inList ? combo->itemText(index) : QString());
        combo->lineEdit()->setCursorPosition(0);
    }
}

int ControlAccess::comboSelection(int id) const {
    if (const PendingControl* waiting = pending(id)) {
        return waiting->kind == PendingControl::Kind::List ? waiting->selection : -1;
    }
    const auto* combo = qobject_cast<const QComboBox*>(control(id));
    return combo == nullptr ? -1 : combo->currentIndex();
}

int ControlAccess::comboCount(int id) const {
    if (const PendingControl* waiting = pending(id)) {
        return waiting->kind == PendingControl::Kind::List ? static_cast<int>(waiting->items.size())
                                                           : 0;
    }
    const auto* combo = qobject_cast<const QComboBox*>(control(id));
    return combo == nullptr ? 0 : combo->count();
}

std::string ControlAccess::comboItemText(int id, int index) const {
    const PendingControl* waiting = pending(id);
    const auto* combo = waiting ? nullptr : qobject_cast<const QComboBox*>(control(id));
    const int count = waiting ? comboCount(id) : combo ? combo->count() : 0;
    if (index < 0 || index >= count) {
        return {};
    }
    const QString text = waiting ? waiting->items.at(index) : combo->itemText(index);
    return toLatin1(text, static_cast<std::size_t>(text.size()));
}

void ControlAccess::setComboItemToolTip(int id, int index, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(control(id));
    if (combo != nullptr && index >= 0 && index < combo->count()) {
        // Qt takes a tip that looks like HTML for rich text, and these tips
        // quote devices' own descriptions: made HTML here, they show as written.
        combo->setItemData(index, Qt::convertFromPlainText(text), Qt::ToolTipRole);
        // A screen reader reads the same as plain text.
        combo->setItemData(index, text, Qt::AccessibleDescriptionRole);
    }
}

void ControlAccess::insertTab(int id, int index, std::string_view text) {
    auto* tabs = qobject_cast<QTabBar*>(control(id));
    if (tabs == nullptr) {
        return;
    }
    // The first tab becomes current; that is no change the user made.
    const QSignalBlocker quiet(tabs);
    tabs->insertTab(index, fromLatin1(text));
}

void ControlAccess::setTabWords(int id, int index, const QString& text) {
    if (auto* tabs = qobject_cast<QTabBar*>(control(id))) {
        tabs->setTabText(index, text);
    }
}

int ControlAccess::currentTab(int id) const {
    const auto* tabs = qobject_cast<const QTabBar*>(control(id));
    return tabs == nullptr ? -1 : tabs->currentIndex();
}

}  // namespace qz5
