// qz5-config: the configuration window on the machine's serial devices.
#include <QCommandLineParser>
#include <cstdio>
#include <memory>
#include <string>

#include "app/config_app.h"
#include "link/exchange_log.h"
#include "link/port_table.h"
#include "link/posix_serial_port_api.h"
#include "link/traced_port_api.h"

int main(int argc, char** argv) {
    qz5::CConfigApp app(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription("The configuration window for the tracker.");
    options.addHelpOption();
    const QCommandLineOption trace(
        "trace", "Write every byte on the serial line, with times, to <file>.", "file");
    options.addOption(trace);
    options.process(app);
    if (!options.isSet(trace)) {
        app.startApplication();
        return 0;
    }
    // Checked before the window opens, so a trace the user asked for is never
    // silently missing.
    std::string error;
    const auto log = qz5::ExchangeLog::toFile(options.value(trace).toStdString(), error);
    if (!log) {
        std::fprintf(stderr, "qz5-config: %s\n", error.c_str());
        return 1;
    }
    qz5::TracedPortApi traced(qz5::PosixSerialPortApi::instance(), *log);
    app.startApplication(traced, qz5::PortTable::system());
    return 0;
}
