// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form/findings_strip.h"

#include <QAccessible>
#include <QMenu>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "app/form/finding_text.h"
#include "app/plain_text.h"
#include "language/shown_text.h"

namespace qz5 {

namespace {

QString headlineFor(const std::vector<Finding>& findings) {
    if (findings.empty()) {
        return translated("Findings", "No findings: APRS practice is kept");
    }
    return findingHeadline(findings.front());
}

QString countFor(const std::vector<Finding>& findings) {
    if (findings.empty()) {
        return {};
    }
    // English has no catalogue of its own to give the singular.
    if (findings.size() == 1) {
        return translated("Findings", " (1 finding)");
    }
    const auto count = static_cast<int>(findings.size());
    return translated("Findings", " (%n findings)", nullptr, count);
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
    const QString before = summary_;
    headline_ = headlineFor(findings_);
    summary_ = headline_ + countFor(findings_);
    setIcon(findings_.empty() ? style()->standardIcon(QStyle::SP_DialogApplyButton)
                              : severityIcon(findings_.front().severity, *style()));
    QStringList lines;
    for (const Finding& finding : findings_) {
        lines << findingLine(finding);
    }
    QString list = lines.isEmpty() ? summary_ : lines.join(QLatin1Char('\n'));
    if (!listProblem.isEmpty()) {
        list += QStringLiteral("\n\n") + listProblem;
    }
    setToolTip(asToolTip(list));
    setAccessibleDescription(list);
    setText(asCaption(summary_));
    update();
    if (summary_ != before) {
        setAccessibleName(summary_);
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
    list_->setAccessibleName(translated("Findings", "Findings"));
    if (findings_.empty()) {
        list_->addAction(asCaption(summary_))->setEnabled(false);
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

QString FindingsStrip::shownText() const {
    return fontMetrics().horizontalAdvance(summary_) <= textRoom() ? summary_ : headline_;
}

FindingsStrip::Layout FindingsStrip::layout() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    const QSize iconSize = option.iconSize;
    Layout parts;
    parts.text = rect().adjusted(margin, 0, -margin, 0);
    parts.icon = QRect(parts.text.left(), parts.text.center().y() - iconSize.height() / 2,
                       iconSize.width(), iconSize.height());
    parts.text.setLeft(parts.icon.right() + 1 + margin / 2);
    return parts;
}

int FindingsStrip::textRoom() const {
    return layout().text.width();
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
    const Layout parts = layout();
    painter.drawPixmap(parts.icon, icon().pixmap(parts.icon.size(),
                                                 isEnabled() ? QIcon::Normal : QIcon::Disabled));
    const QRect area = parts.text;
    const QString shown = fontMetrics().elidedText(shownText(), Qt::ElideRight, area.width());
    painter.drawItemText(area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), shown,
                         QPalette::ButtonText);
}

}  // namespace qz5
