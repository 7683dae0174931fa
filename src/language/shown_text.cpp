// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/shown_text.h"

#include <QCoreApplication>
#include <vector>

#include "language/catalogue.h"

namespace qz5 {

namespace {

// %1 ... %9 in one pass, so that a value holding a % is never read again.
QString filled(const QString& pattern, const std::vector<QString>& values) {
    QString out;
    out.reserve(pattern.size());
    for (qsizetype k = 0; k < pattern.size(); ++k) {
        const QChar next = k + 1 < pattern.size() ? pattern[k + 1] : QChar();
        const int index = next.digitValue() - 1;
        if (pattern[k] == u'%' && index >= 0 && static_cast<std::size_t>(index) < values.size()) {
            out += values[static_cast<std::size_t>(index)];
            ++k;
        } else {
            out += pattern[k];
        }
    }
    return out;
}

template <typename Lookup>
QString shown(const Text& text, const Lookup& lookup) {
    if (text.source() == nullptr) {
        return QString::fromStdString(text.english());
    }
    const int count = text.count() ? static_cast<int>(*text.count()) : -1;
    std::vector<QString> values;
    values.reserve(text.values().size());
    for (const Text& value : text.values()) {
        values.push_back(shown(value, lookup));
    }
    return filled(lookup(text.context(), text.source(), text.disambiguation(), count), values);
}

}  // namespace

QString shownText(const Text& text, const Catalogue& catalogue) {
    return shown(text, [&catalogue](const char* context, const char* source,
                                    const char* disambiguation, int count) {
        return catalogue.text(context, source, disambiguation, count);
    });
}

QString shownText(const Text& text) {
    return shown(text, translated);
}

QString translated(const char* context, const char* source, const char* disambiguation, int count) {
    return QCoreApplication::translate(context, source, disambiguation, count);
}

}  // namespace qz5
