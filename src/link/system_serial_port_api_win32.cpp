// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_port_api_win32.h"
#include "link/system_serial_port_api.h"

namespace qz5 {

SerialPortApi& systemSerialPortApi() {
    static Win32SerialPortApi api;
    return api;
}

}  // namespace qz5
