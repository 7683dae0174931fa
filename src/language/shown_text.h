// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "common/text.h"

namespace qz5 {

class Catalogue;

// The words in the reader's language: the catalogue's translation with each
// value, itself shown the same way, in the place the translation gives it;
// words from outside the catalogues as they are. Without a translation, the
// English.
QString shownText(const Text& text, const Catalogue& catalogue);
// The same through the application's installed translators.
QString shownText(const Text& text);

// A text of the window's own in the application's language. lupdate reads
// these calls as QCoreApplication::translate: every argument but the count is
// a literal where it is written.
QString translated(const char* context, const char* source, const char* disambiguation = nullptr,
                   int count = -1);

}  // namespace qz5
