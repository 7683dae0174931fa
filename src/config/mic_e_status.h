// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "config/tracker_config.h"

namespace qz5 {

// The Mic-E message index of "Emergency!".
inline constexpr std::int32_t kEmergencyStatus = 7;

// Whether the tracker will hold the Emergency message for a profile. The
// image carries only the low byte of micEStatus, so 263 is an Emergency too.
[[nodiscard]] bool sendsEmergency(const TrackerConfig& config, int profile);
// Whether either profile holds it: a write of such a record asks first.
[[nodiscard]] bool sendsEmergency(const TrackerConfig& config);

}  // namespace qz5
