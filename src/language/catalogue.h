// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>
#include <string>

namespace qz5 {

// The program's own texts in one language, from the catalogue built into it.
class Catalogue {
  public:
    // False when the program carries no catalogue of that name; the texts
    // stay English then.
    bool load(const std::string& code);
    bool loaded() const { return !translator_.isEmpty(); }
    // The text in the catalogue's language, else the English source; a count
    // picks the plural form and takes the place of %n.
    QString text(const char* context, const char* source, const char* disambiguation = nullptr,
                 int count = -1) const;
    // For a Qt application to translate through (QCoreApplication::translate).
    QTranslator& translator() { return translator_; }

  private:
    QTranslator translator_;
};

}  // namespace qz5
