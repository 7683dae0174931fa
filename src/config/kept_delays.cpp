// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/kept_delays.h"

#include "config/image_scaling.h"
#include "config/tracker_config.h"

namespace qz5 {

Outcome<> encodeKeepingDelays(TrackerConfig& config, std::span<std::uint8_t> buffer,
                              const ConfigImage* kept) {
    Outcome<> encoded = config.encodeImage(buffer);
    if (!kept || !encoded) {
        return encoded;
    }
    const ConfigImage& old = *kept;
    for (int k = 0; k < kProfileCount; ++k) {
        // Judged under the record's current speed flag, so a kept count never
        // stands for a different delay than the one shown.
        const bool slow = config.packet300Baud[k];
        const auto keep = [&](int entry, std::int32_t value, std::int32_t decoded) {
            if (value == decoded) {
                buffer[static_cast<std::size_t>(entry + k)] =
                    old[static_cast<std::size_t>(entry + k)];
            }
        };
        keep(kDelay1CountEntry, config.delay1Ms[k],
             delayFromCount(old[static_cast<std::size_t>(kDelay1CountEntry + k)], slow));
        keep(kDelay2CountEntry, config.delay2Ms[k],
             delayFromCount(old[static_cast<std::size_t>(kDelay2CountEntry + k)], slow));
        keep(kDelay3CountEntry, config.delay3Ms[k],
             delay3FromCount(old[static_cast<std::size_t>(kDelay3CountEntry + k)]));
    }
    return encoded;
}

}  // namespace qz5
