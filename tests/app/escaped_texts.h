// SPDX-License-Identifier: GPL-3.0-or-later
// Under the pseudo-language (QZ5_TEST_LANGUAGE=pseudo) every text of the
// program's own carries its marks: a text the window shows without them
// escaped the catalogues.
#pragma once

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QWidget>
#include <algorithm>
#include <set>
#include <string>

namespace qz5::testing {

inline const QString kMark = QStringLiteral("\u27e6");

// Words of the program's own: field contents, list items (ports, symbols,
// frequencies), the window's values and the web address are data and stay as
// they are.
inline bool hasWords(const QString& text) {
    return !text.startsWith(QLatin1String("http")) &&
           std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

inline void collect(const QWidget& top, std::set<std::string>& escaped) {
    const auto check = [&escaped](const QWidget& widget, const QString& text) {
        if (hasWords(text) && !text.contains(kMark)) {
            escaped.insert(std::string(widget.metaObject()->className()) + ": " +
                           text.toStdString());
        }
    };
    check(top, top.windowTitle());
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&top)) {
            continue;
        }
        check(*widget, widget->toolTip());
        check(*widget, widget->accessibleName());
        check(*widget, widget->accessibleDescription());
        // Qt's standard buttons speak Qt's own catalogues.
        if (const auto* box = qobject_cast<const QDialogButtonBox*>(widget->parentWidget());
            box != nullptr && box->standardButton(qobject_cast<QAbstractButton*>(widget)) !=
                                  QDialogButtonBox::NoButton) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            check(*widget, label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            check(*widget, button->text());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            check(*widget, group->title());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                check(*widget, tabs->tabText(i));
            }
        }
    }
}

inline bool underPseudoLanguage() {
    return qgetenv("QZ5_TEST_LANGUAGE") == "pseudo";
}

}  // namespace qz5::testing
