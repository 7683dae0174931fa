// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "link/serial_port_api.h"

namespace qz5 {

struct ComPortInfo {
    std::string name;    // "COM3"
    std::string device;  // what the system maps it to, "\Device\Serial2"
    bool opens = false;  // free for this program now
};

// The names of the COM ports that Windows knows now, in number order.
std::vector<std::string> systemComPortNames();

// The COM ports that Windows knows, in number order; each is tried with the
// link's own open, so one held by another program shows as not opening.
std::vector<ComPortInfo> listComPorts(SerialPortApi& api);

}  // namespace qz5
