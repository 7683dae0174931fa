#include <io.h>

#include <cstdio>
#include <iostream>

#include "link/com_ports_win32.h"
#include "link/system_serial_port_api.h"
#include "tools/qz5cfg/platform_commands.h"

namespace qz5 {

namespace {

ExitStatus runPorts(std::ostream& out) {
    const std::vector<ComPortInfo> ports = listComPorts(systemSerialPortApi());
    if (ports.empty()) {
        reportToolError("No COM Ports Found");
        return ExitStatus::Ok;
    }
    for (const ComPortInfo& port : ports) {
        out << port.name << '\t' << (port.opens ? "opens" : "does not open (in use or not ready)")
            << '\t' << port.device << '\n';
    }
    return ExitStatus::Ok;
}

}  // namespace

const char* portsHelp() {
    return R"(  ports                  lists the COM ports that Windows knows and whether
                         each opens now

Ports (--port P):
  COM1..COM20 are the system's own COM ports ('qz5cfg ports' lists them and
  whether each opens now). A port that another program holds does not open.
  The tracker is looked for at 4800 bit/s, then at 9600.
)";
}

std::vector<PlatformCommand> addPlatformCommands(CLI::App& app) {
    auto* ports = app.add_subcommand(
        "ports", "List the COM ports that Windows knows, and whether each opens now.");
    return {{ports, [] { return runPorts(std::cout); }}};
}

bool stderrIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}

}  // namespace qz5
