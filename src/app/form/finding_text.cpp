// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form/finding_text.h"

#include <QStyle>
#include <string_view>

#include "config/record_fields.h"
#include "language/shown_text.h"

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
    switch (severity) {
        case Severity::Error:
            return translated("Findings", "Error");
        case Severity::Warning:
            return translated("Findings", "Warning");
        case Severity::Note:
            break;
    }
    return translated("Findings", "Note");
}

QString findingLine(const Finding& finding) {
    const QString severity = severityWord(finding.severity);
    const QString label = fieldLabel(finding.field);
    const QString message = shownText(finding.message);
    if (!finding.profile) {
        return translated("Findings", "%1, %2: %3").arg(severity, label, message);
    }
    return (*finding.profile == 0 ? translated("Findings", "%1, Primary profile, %2: %3")
                                  : translated("Findings", "%1, Secondary profile, %2: %3"))
        .arg(severity, label, message);
}

QString findingHeadline(const Finding& finding) {
    const std::string_view advice = ruleHeadline(finding.rule);
    return translated("Findings", "%1: %2")
        .arg(fieldLabel(finding.field),
             QString::fromLatin1(advice.data(), static_cast<qsizetype>(advice.size())));
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
