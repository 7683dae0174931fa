// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "common/text.h"
#include "config/timing/beacon_timing.h"

namespace qz5 {

// A profile's timing as words, the same in the window and on the terminal:
// a title, a table a screen reader reads cell by cell, and the notes under it.
struct TimingWords {
    Text title;
    std::vector<Text> header;
    std::vector<std::vector<Text>> rows;
    std::vector<Text> notes;
};

// The same words in English, and as the catalogues know them.
struct TimingTable {
    std::string title;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> notes;
    TimingWords said{};
};

TimingTable timingTable(const BeaconTiming& timing);

}  // namespace qz5
