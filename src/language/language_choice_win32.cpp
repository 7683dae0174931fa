// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>

#include "language/language_choice.h"

namespace qz5 {

// The user's display languages, best first, as Windows keeps them.
std::vector<std::string> systemLanguages() {
    std::vector<std::string> wanted;
    for (const QString& name : QLocale::system().uiLanguages()) {
        wanted.push_back(name.toStdString());
    }
    return wanted;
}

}  // namespace qz5
