// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextDocument>

namespace qz5 {

// Text from outside the program (a country's name in the prefix list, a file
// name) shown as it is written. A button or menu item would take its '&' for
// a shortcut key, and a tool tip would read a "<b>" in it as markup.
inline QString asCaption(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

inline QString asToolTip(const QString& text) {
    return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

}  // namespace qz5
