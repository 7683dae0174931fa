// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_table.h"

namespace qz5 {

void PortTable::followSystem(const SystemRoots& roots) {
    follow(serialDevices(roots));
}

}  // namespace qz5
