// qz5-config: the configuration window on the machine's serial devices, or
// with --demo on a simulated tracker.
#include <cstdio>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "app/app_options.h"
#include "app/config_app.h"
#include "app/demo_tracker.h"
#include "link/posix_serial_port_api.h"

namespace {

std::vector<std::string> argumentsOf(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

int answer(const qz5::AppCommandLine& line) {
    std::fputs(line.output.c_str(), *line.exitStatus == 0 ? stdout : stderr);
    return *line.exitStatus;
}

}  // namespace

int main(int argc, char** argv) {
    // Help and version come before Qt starts, so they work without a display.
    const qz5::AppCommandLine early = qz5::parseAppCommandLine(argumentsOf(argc, argv));
    if (early.exitStatus == 0) {
        return answer(early);
    }
    qz5::CConfigApp app(argc, argv);  // takes Qt's own options out of argv
    const qz5::AppCommandLine line = qz5::parseAppCommandLine(argumentsOf(argc, argv));
    if (line.exitStatus) {
        return answer(line);
    }
    if (line.options.quitAfterStart) {
        app.quitAfterStart();
    }
    if (line.options.demo) {
        std::optional<qz5::DemoTracker> demo;
        try {
            demo.emplace();
        } catch (const std::system_error& error) {
            std::fprintf(stderr, "qz5-config: no simulated tracker: %s\n", error.what());
            return 1;
        }
        app.startApplication(qz5::PosixSerialPortApi::instance(), demo->ports());
    } else {
        app.startApplication();
    }
    return line.options.quitAfterStart && !app.windowWasShown() ? 1 : 0;
}
