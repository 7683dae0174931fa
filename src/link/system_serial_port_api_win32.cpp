#include "link/system_serial_port_api.h"
#include "link/win32_serial_port_api.h"

namespace qz5 {

SerialPortApi& systemSerialPortApi() {
    static Win32SerialPortApi api;
    return api;
}

}  // namespace qz5
