// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/kept/difference_list.h"

#include <QScrollBar>
#include <variant>

#include "app/controls/field_controls.h"
#include "app/controls/main_window_template.h"
#include "app/controls/window_text.h"
#include "language/shown_text.h"

namespace qz5 {
namespace {

// A number chosen from a fixed list (the Mic-E message and path) reads as
// the list's item, as the window shows it.
QString listItem(const FieldInfo& field, std::int32_t value) {
    const auto& items = mainWindowTemplate().initialItems;
    const auto list = items.find(fieldControlId(field.name));
    if (list == items.end() || value < 0 ||
        static_cast<std::size_t>(value) >= list->second.size()) {
        return {};
    }
    return windowText(list->second[static_cast<std::size_t>(value)]);
}

QString withUnit(const QString& value, const FieldInfo& field) {
    return *field.unit == '\0' ? value : value + ' ' + QString::fromLatin1(field.unit);
}

QString valueText(const FieldInfo& field, const SettingValue& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        const QString item = listItem(field, *number);
        return item.isEmpty() ? withUnit(QString::number(*number), field) : item;
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag ? translated("Compare", "on") : translated("Compare", "off");
    }
    if (const auto* mhz = std::get_if<float>(&value)) {
        return withUnit(QString::number(*mhz, 'f', 3), field);
    }
    return '"' + QString::fromLatin1(std::get<std::string>(value)) + '"';
}

}  // namespace

void nameScrollBars(QAbstractScrollArea& area) {
    area.horizontalScrollBar()->setAccessibleName(translated("Window", "Scroll across"));
    area.verticalScrollBar()->setAccessibleName(translated("Window", "Scroll down"));
}

QString differenceText(const SettingDifference& difference) {
    const QString label = QString::fromLatin1(difference.field.label);
    const QString before = valueText(difference.field, difference.before);
    const QString after = valueText(difference.field, difference.after);
    if (!difference.profile) {
        return translated("Compare", "%1: %2 -> %3").arg(label, before, after);
    }
    return (*difference.profile == 0 ? translated("Compare", "Primary, %1: %2 -> %3")
                                     : translated("Compare", "Secondary, %1: %2 -> %3"))
        .arg(label, before, after);
}

DifferenceList::DifferenceList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    nameScrollBars(*this);
}

void DifferenceList::setDifferences(const std::vector<SettingDifference>& differences,
                                    const QString& sameText) {
    clear();
    for (const SettingDifference& difference : differences) {
        addItem(differenceText(difference));
    }
    if (differences.empty()) {
        addItem(sameText);
    }
    setCurrentRow(0);
}

void DifferenceList::setNote(const QString& note) {
    clear();
    addItem(note);
    setCurrentRow(0);
}

}  // namespace qz5
