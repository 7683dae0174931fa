// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "config/check/finding.h"
#include "config/check/prefix_list.h"
#include "config/symbols/system_symbol_list.h"
#include "config/tracker_config.h"

namespace qz5 {

// Checks a configuration against the published practice of the APRS network
// and against what the tracker's image can hold, as the tracker will get it
// from a write. Most severe first. Works on copies: the record is not
// changed and no message is shown. Without a prefix list no rule that needs
// the callsign's country applies; without a symbol list only the table
// character is checked.
std::vector<Finding> checkConfig(const TrackerConfig& config, const PrefixList* prefixes,
                                 const SymbolSource* symbols);

}  // namespace qz5
