// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/catalogue.h"

namespace qz5 {

bool Catalogue::load(const std::string& code) {
    return translator_.load(QStringLiteral(":/i18n/qz5_%1.qm").arg(QString::fromStdString(code)));
}

QString Catalogue::text(const char* context, const char* source, const char* disambiguation,
                        int count) const {
    QString found = translator_.translate(context, source, disambiguation, count);
    if (found.isNull()) {
        found = QString::fromUtf8(source);
    }
    return count < 0 ? found : found.replace(QLatin1String("%n"), QString::number(count));
}

}  // namespace qz5
