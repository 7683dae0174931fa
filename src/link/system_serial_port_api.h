// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/serial_port_api.h"

namespace qz5 {

// This system's serial calls, shared by every link that is not given others.
SerialPortApi& systemSerialPortApi();

}  // namespace qz5
