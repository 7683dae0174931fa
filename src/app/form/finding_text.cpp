// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form/finding_text.h"

#include <QStyle>
#include <string_view>

#include "config/record_fields.h"

namespace qz5 {

namespace {

QString fieldLabel(std::string_view name) {
    QString label = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    const auto match = [&](const FieldInfo& info, auto) {
        if (name == info.name) {
            label = QString::fromLatin1(info.label);
        }
    };
    forEachSharedField(match);
    forEachProfileField(match);
    return label;
}

}  // namespace

QString severityWord(Severity severity) {
    const std::string_view name = severityName(severity);
    QString word = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    if (!word.isEmpty()) {
        word[0] = word[0].toUpper();
    }
    return word;
}

QString findingLine(const Finding& finding) {
    QString place = fieldLabel(finding.field);
    if (finding.profile) {
        place.prepend(*finding.profile == 0 ? QStringLiteral("Primary profile, ")
                                            : QStringLiteral("Secondary profile, "));
    }
    return severityWord(finding.severity) + QStringLiteral(", ") + place + QStringLiteral(": ") +
           QString::fromStdString(finding.message);
}

QString findingHeadline(const Finding& finding) {
    const std::string_view advice = ruleHeadline(finding.rule);
    return fieldLabel(finding.field) + QStringLiteral(": ") +
           QString::fromLatin1(advice.data(), static_cast<qsizetype>(advice.size()));
}

QIcon severityIcon(Severity severity, const QStyle& style) {
    switch (severity) {
        case Severity::Error:
            return style.standardIcon(QStyle::SP_MessageBoxCritical);
        case Severity::Warning:
            return style.standardIcon(QStyle::SP_MessageBoxWarning);
        case Severity::Note:
            break;
    }
    return style.standardIcon(QStyle::SP_MessageBoxInformation);
}

}  // namespace qz5
