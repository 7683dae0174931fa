// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/timing/timing_plot.h"
#include "language/shown_text.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace qz5 {
namespace {

constexpr int kMargin = 36;

// The interval at any speed, by the same rule as the rows.
double intervalAt(const BeaconTiming& t, double speed, double slow, double fast) {
    if (speed <= t.lowSpeed || speed <= 0) {
        return slow;
    }
    return speed >= t.highSpeed ? fast : fast * t.highSpeed / speed;
}

}  // namespace

TimingPlot::TimingPlot(const BeaconTiming& timing, QWidget* parent)
    : QWidget(parent), timing_(timing) {
    setAccessibleName(translated("Timing", "Plot of interval against speed"));
    setAccessibleDescription(translated("Timing", "The table above gives the same values."));
    setMinimumSize(sizeHint());
}

void TimingPlot::paintEvent(QPaintEvent*) {
    if (timing_.rows.empty()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin / 3.0, -kMargin / 3.0, -kMargin);
    const double slow = timing_.rows.front().intervalSeconds;
    const double fast = timing_.rows.back().intervalSeconds;
    const double topSpeed = std::max(1, timing_.rows.back().speed);
    double longest = 1;
    for (const SpeedRow& row : timing_.rows) {
        longest = std::max<double>(longest, row.intervalSeconds);
    }
    const auto at = [&](double speed, double interval) {
        return QPointF(area.left() + area.width() * speed / topSpeed,
                       area.bottom() - area.height() * std::max(0.0, interval) / longest);
    };

    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    painter.drawText(QRectF(area.left(), area.bottom() + 4, area.width(), kMargin - 4),
                     Qt::AlignHCenter | Qt::AlignTop,
                     translated("Timing", "speed", "the plot's axis"));
    painter.drawText(QRectF(0, area.top(), kMargin - 4, area.height()),
                     Qt::AlignRight | Qt::AlignVCenter,
                     translated("Timing", "s", "seconds, the plot's axis"));
    painter.drawText(QRectF(0, area.top() - 2, kMargin - 4, 16), Qt::AlignRight | Qt::AlignTop,
                     QString::number(static_cast<int>(longest)));
    painter.drawText(QRectF(area.right() - 60, area.bottom() + 4, 60, 16),
                     Qt::AlignRight | Qt::AlignTop, QString::number(static_cast<int>(topSpeed)));

    QPainterPath curve(at(0, slow));
    constexpr int kSteps = 240;
    for (int step = 1; step <= kSteps; ++step) {
        const double speed = topSpeed * step / kSteps;
        curve.lineTo(at(speed, intervalAt(timing_, speed, slow, fast)));
    }
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawPath(curve);
    painter.setBrush(palette().color(QPalette::Highlight));
    for (const SpeedRow& row : timing_.rows) {
        painter.drawEllipse(at(row.speed, row.intervalSeconds), 3, 3);
    }
}

}  // namespace qz5
