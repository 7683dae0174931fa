// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/text.h"

namespace qz5 {

// How far a running exchange with the tracker has got. The link reports it on
// the thread that runs the exchange, so a receiver on another thread must hand
// it over itself.
struct LinkProgress {
    enum class Step {
        Probing,
        Writing,
        ReadingBack,
        Reading,
        ReadingAgain,
        StartingTone,
        StoppingTone
    };

    Step step = Step::Probing;
    std::int32_t baudRate = 0;  // the rate being tried, while probing
    std::int32_t done = 0;      // bytes sent so far, while writing
    std::int32_t total = 0;     // bytes to send; 0 when the step has no count
    // A read that keeps the tracker's settings before a write says so, so it
    // is never taken for a Read.
    bool keeping = false;
};

using ProgressCallback = std::function<void(const LinkProgress&)>;

// The words the window and the command-line tool both show for a step.
Text describeProgress(const LinkProgress& progress);

}  // namespace qz5
