// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

#include "link/system_roots.h"
#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

class PosixSerialPortApi;

// Lists every serial device present, openable or not: its COM name, path,
// description and, when it cannot be opened, why; then USB serial adapters
// that have no port. Succeeds when the listing worked, also when it is empty.
ExitStatus runPorts(PosixSerialPortApi& api, const SystemRoots& roots, bool asJson,
                    std::ostream& out);

}  // namespace qz5
