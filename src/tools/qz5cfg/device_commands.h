#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

class SerialLink;

// Each command probes for the tracker first (4800, then 9600 bit/s) on the
// link's port, exactly as the window's commands do.

// Prints the tracker's version reply.
ExitStatus runVersion(SerialLink& link, std::ostream& out);

// Reads the image twice, requires 128 equal bytes, decodes it into a record
// built with the defaults and saves it to `outPath`, or prints it as JSON when
// no path is given.
ExitStatus runRead(SerialLink& link, const std::optional<std::string>& outPath, std::ostream& out);

// Loads a configuration file or JSON record, encodes it and writes it with the
// verified write. An Emergency Mic-E status needs `emergencyOk`.
ExitStatus runWrite(SerialLink& link, const std::string& inPath, bool emergencyOk);

}  // namespace qz5
