// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/link_progress.h"

namespace qz5 {

std::string describeProgress(const LinkProgress& progress) {
    switch (progress.step) {
        case LinkProgress::Step::Probing:
            return "Looking for the tracker at " + std::to_string(progress.baudRate) + " bit/s";
        case LinkProgress::Step::Writing:
            return "Writing the configuration: " + std::to_string(progress.done) + " of " +
                   std::to_string(progress.total) + " bytes";
        case LinkProgress::Step::ReadingBack:
            return "Reading it back";
        case LinkProgress::Step::Reading:
            return progress.keeping ? "Keeping the tracker's settings: reading them"
                                    : "Reading the configuration";
        case LinkProgress::Step::ReadingAgain:
            return progress.keeping
                       ? "Keeping the tracker's settings: reading them again to compare"
                       : "Reading it again to compare";
        case LinkProgress::Step::StartingTone:
            return "Starting the test tone";
        case LinkProgress::Step::StoppingTone:
            return "Stopping the test tone";
    }
    return {};
}

}  // namespace qz5
