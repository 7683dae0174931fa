// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/outcome.h"
#include "config/config_image.h"

namespace qz5 {

class TrackerWorkflow;

// The tracker's settings read into the history before a write, as both front
// ends do it: the probe, two reads that must agree, then the history.
struct BackupRead {
    Outcome<ConfigImage> read;  // the image read, or why not, with all it raised
    bool answered = false;      // the tracker answered the probe
    std::string notKept;        // why the history did not store the image read
    Text whyNotKept;            // the same as the catalogues know it
    // The number the history lists the backup under, where it has one.
    std::optional<std::uint64_t> number;

    bool kept() const { return read && notKept.empty(); }
    // Why it was not kept, in words that follow "could not be kept: ".
    Text why() const;
    // Its English, for the callers that still glue it into their own words.
    std::string reason() const { return why().english(); }
    // The system's reasons behind a failed read, one a line.
    Text detail() const;
};

BackupRead readBackup(TrackerWorkflow& tracker);

}  // namespace qz5
