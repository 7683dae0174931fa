#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "config/config_image.h"
#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

// Reads the image of the tracker on `port` (the text after "tracker:").
using TrackerImageReader = std::function<ExitStatus(const std::string& port, ConfigImage& image)>;

// The exit statuses of diff(1), not the tool's usual ones.
enum class DiffStatus { Same = 0, Different = 1, Trouble = 2 };

// Compares the settings two sides hold, each a configuration file, a JSON
// record (as it would be written) or "tracker:PORT": every differing field by
// its JSON name with both values, then one line when only the bytes differ.
DiffStatus runDiff(const std::string& left, const std::string& right,
                   const TrackerImageReader& readTracker, std::ostream& out);

}  // namespace qz5
