// qz5-config-demo: the configuration window with COM1 wired to a simulated
// tracker, for trying the program without hardware.
#include <cstdio>
#include <system_error>

#include "app/config_app.h"
#include "app/demo_tracker.h"
#include "link/posix_serial_port_api.h"

int main(int argc, char** argv) {
    qz5::CConfigApp app(argc, argv);
    try {
        qz5::DemoTracker demo;
        app.startApplication(qz5::PosixSerialPortApi::instance(), demo.ports());
    } catch (const std::system_error& error) {
        std::fprintf(stderr, "qz5-config-demo: no simulated tracker: %s\n", error.what());
        return 1;
    }
    return 0;
}
