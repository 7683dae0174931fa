// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "config/timing/beacon_timing.h"
#include "config/timing/smart_beaconing_presets.h"

class QComboBox;
class QLabel;
class QVBoxLayout;

namespace qz5 {

// When the profile shown sends its beacons: the timing table, its notes and
// for SmartBeaconing a plot of interval against speed; and a list of presets
// to start its SmartBeaconing from.
class TimingDialog : public QDialog {
  public:
    // Applies a preset to the profile shown and gives back its timing then.
    using ApplyPreset = std::function<BeaconTiming(const SmartBeaconingPreset&)>;

    TimingDialog(const BeaconTiming& timing, ApplyPreset apply, QWidget* parent);

  private:
    // The title and notes are kept, so that a screen reader hears them change.
    void showTiming(const BeaconTiming& timing);

    ApplyPreset apply_;
    QLabel* title_;
    QLabel* notes_;
    QComboBox* presets_;
    QWidget* shown_ = nullptr;  // the table and the plot
    QVBoxLayout* layout_;
    std::vector<QWidget*> tabOrder_;  // after the table
};

}  // namespace qz5
