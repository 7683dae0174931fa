// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/findings_strip.h"

#include <QAccessible>
#include <QMenu>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "app/finding_text.h"
#include "app/plain_text.h"

namespace qz5 {

namespace {

QString sentenceFor(const std::vector<Finding>& findings) {
    if (findings.empty()) {
        return QStringLiteral("No findings: the settings follow APRS practice.");
    }
    const QString first = findingLine(findings.front());
    if (findings.size() == 1) {
        return QStringLiteral("1 finding: ") + first;
    }
    return QStringLiteral("%1 findings, the most severe: ").arg(findings.size()) + first;
}

}  // namespace

FindingsStrip::FindingsStrip(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    hide();
    connect(this, &QPushButton::clicked, this, [this] { openList(); });
}

void FindingsStrip::setFindings(const std::vector<Finding>& findings, const QString& listProblem) {
    findings_ = findings;
    const QString before = sentence_;
    sentence_ = sentenceFor(findings_);
    setIcon(findings_.empty() ? style()->standardIcon(QStyle::SP_DialogApplyButton)
                              : severityIcon(findings_.front().severity, *style()));
    QStringList lines;
    for (const Finding& finding : findings_) {
        lines << findingLine(finding);
    }
    QString list = lines.isEmpty() ? sentence_ : lines.join(QLatin1Char('\n'));
    if (!listProblem.isEmpty()) {
        list += QStringLiteral("\n\n") + listProblem;
    }
    setToolTip(asToolTip(list));
    setAccessibleDescription(list);
    setText(asCaption(sentence_));
    update();
    if (sentence_ != before) {
        setAccessibleName(sentence_);
        // A screen reader that follows the window hears the new sum without
        // the focus moving here.
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void FindingsStrip::openList() {
    if (list_ != nullptr) {
        list_->deleteLater();
    }
    list_ = new QMenu(this);
    list_->setAccessibleName(QStringLiteral("Findings"));
    if (findings_.empty()) {
        list_->addAction(asCaption(sentence_))->setEnabled(false);
    }
    for (const Finding& finding : findings_) {
        QAction* item = list_->addAction(severityIcon(finding.severity, *style()),
                                         asCaption(findingLine(finding)));
        connect(item, &QAction::triggered, this, [this, finding] {
            if (onChosen_) {
                onChosen_(finding);
            }
        });
    }
    list_->popup(mapToGlobal(QPoint(0, height())));
}

void FindingsStrip::paintEvent(QPaintEvent*) {
    // The style's flat button, but left-aligned and cut to the line: the
    // tool tip and the list carry the rest.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    const QSize iconSize = option.iconSize;
    QRect area = rect().adjusted(margin, 0, -margin, 0);
    const QRect iconArea(area.left(), area.center().y() - iconSize.height() / 2, iconSize.width(),
                         iconSize.height());
    painter.drawPixmap(iconArea,
                       icon().pixmap(iconSize, isEnabled() ? QIcon::Normal : QIcon::Disabled));
    area.setLeft(iconArea.right() + 1 + margin / 2);
    const QString shown = fontMetrics().elidedText(sentence_, Qt::ElideRight, area.width());
    painter.drawItemText(area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), shown,
                         QPalette::ButtonText);
}

}  // namespace qz5
