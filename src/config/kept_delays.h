// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include "common/outcome.h"
#include "config/config_image.h"

namespace qz5 {

class TrackerConfig;

// Encodes the record as encodeImage does, except that a delay whose value is
// still the one `kept` decodes to keeps `kept`'s count byte: the delay
// formulas do not round-trip, and writing back what was read must not change
// the tracker. Without a kept image this is encodeImage.
Outcome<> encodeKeepingDelays(TrackerConfig& config, std::span<std::uint8_t> buffer,
                              const ConfigImage* kept);

}  // namespace qz5
