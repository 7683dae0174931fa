// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_port_api_posix.h"
#include "link/system_serial_port_api.h"

namespace qz5 {

SerialPortApi& systemSerialPortApi() {
    return PosixSerialPortApi::instance();
}

}  // namespace qz5
