// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/link_progress.h"

namespace qz5 {

Text describeProgress(const LinkProgress& progress) {
    switch (progress.step) {
        case LinkProgress::Step::Probing:
            return say("Link", "Looking for the tracker at %1 bit/s")
                .with(std::to_string(progress.baudRate));
        case LinkProgress::Step::Writing:
            return say("Link", "Writing the configuration: %1 of %2 bytes")
                .with(std::to_string(progress.done), std::to_string(progress.total));
        case LinkProgress::Step::ReadingBack:
            return say("Link", "Reading it back");
        case LinkProgress::Step::Reading:
            return progress.keeping ? say("Link", "Keeping the tracker's settings: reading them")
                                    : say("Link", "Reading the configuration");
        case LinkProgress::Step::ReadingAgain:
            return progress.keeping
                       ? say("Link",
                             "Keeping the tracker's settings: reading them again to compare")
                       : say("Link", "Reading it again to compare");
        case LinkProgress::Step::StartingTone:
            return say("Link", "Starting the test tone");
        case LinkProgress::Step::StoppingTone:
            return say("Link", "Stopping the test tone");
    }
    return {};
}

}  // namespace qz5
