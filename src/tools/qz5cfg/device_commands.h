#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "config/config_image.h"
#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

class SerialLink;

// The tracker a command talks to, and the port's name as the history keeps it.
struct TrackerPort {
    SerialLink& link;
    std::string historyName;
};

// Each command probes for the tracker first (4800, then 9600 bit/s) on the
// link's port, exactly as the window's commands do. Every image read or
// written is kept in the history.

// Prints the tracker's version reply.
ExitStatus runVersion(SerialLink& link, std::ostream& out);

// Reads the image twice and requires 128 equal bytes that decode; "Read
// Failed" otherwise. Kept in the history under `direction`.
ExitStatus readTrackerImage(TrackerPort& port, ConfigImage& image, const char* direction = "read");

// Reads the image and saves exactly the tracker's bytes to `outPath`, or
// prints the decoded record as JSON when no path is given.
ExitStatus runRead(TrackerPort& port, const std::optional<std::string>& outPath, std::ostream& out);

struct WriteOptions {
    bool emergencyOk = false;  // an Emergency Mic-E status needs this
    bool backup = true;        // read the tracker's image into the history first
};

// Writes a configuration file's image exactly as it is, or a JSON record
// encoded, with the verified write. The file is decoded first, to check it and
// to ask about an Emergency status.
ExitStatus runWrite(TrackerPort& port, const std::string& inPath, const WriteOptions& options);

}  // namespace qz5
