// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "config/config_image.h"

namespace qz5 {

class TrackerWorkflow;

// What became of the tracker's settings before a window Write.
struct Keeping {
    enum class Verdict {
        NotChosen,     // the owner did not ask for them to be kept
        Kept,          // in the history, under `number` where it has one
        WriteWithout,  // they could not be kept and the owner writes all the same
        Stop,          // nothing is to be written
    };
    Verdict verdict = Verdict::NotChosen;
    std::optional<ConfigImage> image;
    std::optional<std::uint64_t> number;
};

// Reads the tracker's settings into the history and shows what that raised.
// A tracker that answered but whose settings could not be kept gets the
// question whether to write without them; a tracker not found stops the
// Write after its message.
Keeping keepBeforeWrite(TrackerWorkflow& tracker);

}  // namespace qz5
