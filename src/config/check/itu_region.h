// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/check/prefix_list.h"

namespace qz5 {

// The three regions of the ITU Radio Regulations, which allocate the
// frequency bands differently.
enum class ItuRegion { One, Two, Three };

// The region of a callsign's place, from its continent and ITU zone.
ItuRegion ituRegion(const CallsignPlace& place);

}  // namespace qz5
