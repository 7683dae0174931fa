// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "config/config_image.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

// Applies a JSON record file to `config`. Failed when the file cannot be read,
// Usage when it is no regular file or its content is not a valid record (the
// field is named).
ExitStatus loadJsonRecord(const std::string& path, TrackerConfig& config);

// A JSON record when the name ends in ".json", otherwise a configuration file
// read as Load reads it (Failed after its message).
ExitStatus loadRecord(const std::string& path, TrackerConfig& config);

// A configuration file read as Load reads it: Failed after its message, Usage
// when the path is no regular file.
ExitStatus loadFileRecord(const std::string& path, TrackerConfig& config,
                          ConfigImage* image = nullptr);

// The same, with the image that goes to a tracker: a configuration file's own
// bytes, or the JSON record encoded.
ExitStatus loadImage(const std::string& path, TrackerConfig& config, ConfigImage& image);

// Reads the image of the tracker on `port` (the text after "tracker:").
using TrackerImageReader = std::function<ExitStatus(const std::string& port, ConfigImage& image)>;

// "tracker:PORT" read with `readTracker` and decoded, or a file or JSON record
// as loadImage reads it.
ExitStatus loadSide(const std::string& side, const TrackerImageReader& readTracker,
                    TrackerConfig& config, ConfigImage& image);

// Prints the record as indented JSON; Failed when the output cannot be written.
ExitStatus printRecord(const TrackerConfig& config, std::ostream& out);

}  // namespace qz5
