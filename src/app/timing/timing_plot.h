// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "config/timing/beacon_timing.h"

namespace qz5 {

// Interval against speed, the rows of a SmartBeaconing timing joined by the
// curve of the rule between them.
class TimingPlot : public QWidget {
  public:
    TimingPlot(const BeaconTiming& timing, QWidget* parent);
    QSize sizeHint() const override { return {360, 200}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    BeaconTiming timing_;
};

}  // namespace qz5
