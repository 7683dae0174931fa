// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include "app/device/keep_before_write.h"
#include "common/outcome.h"
#include "config/config_image.h"

namespace qz5 {

// How many changed settings the box itself lists; its details list them all.
inline constexpr std::size_t kChangesShown = 10;

// Adds to the "Write Successful" box what the write changed on the tracker
// and where the earlier settings are kept, or that they were kept nowhere.
void describeWrite(Message& success, const Keeping& keeping, const ConfigImage& written);

}  // namespace qz5
