// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "config/timing/beacon_timing.h"

namespace qz5 {

// When the profile shown sends its beacons: the timing table, its notes and
// for SmartBeaconing a plot of interval against speed.
class TimingDialog : public QDialog {
  public:
    TimingDialog(const BeaconTiming& timing, QWidget* parent);
};

}  // namespace qz5
