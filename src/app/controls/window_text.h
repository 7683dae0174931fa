// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "common/text.h"
#include "language/shown_text.h"

namespace qz5 {

// A text of the templates, marked in the "Window" context, in the language
// now current; the catalogues hold it as UTF-8.
inline QString windowText(const char* source) {
    return *source == '\0' ? QString() : QCoreApplication::translate("Window", source);
}

inline QString windowText(const std::string& source) {
    return windowText(source.c_str());
}

// A list item of the templates: plain words are the "Window" context's, a
// text with values has an entry of its own.
inline QString windowText(const Text& item) {
    return item.source() == nullptr ? windowText(item.english()) : shownText(item);
}

}  // namespace qz5
