#include "link/posix_serial_port_api.h"
#include "link/system_serial_port_api.h"

namespace qz5 {

SerialPortApi& systemSerialPortApi() {
    return PosixSerialPortApi::instance();
}

}  // namespace qz5
