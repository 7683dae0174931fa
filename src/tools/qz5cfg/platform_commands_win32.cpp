// SPDX-License-Identifier: GPL-3.0-or-later
#include <io.h>

#include <cstdio>
#include <iostream>
#include <memory>

#include "link/com_ports_win32.h"
#include "link/port_catalogue.h"
#include "link/system_serial_port_api.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/platform_commands.h"
#include "tools/qz5cfg/port_listing.h"

namespace qz5 {

namespace {

std::vector<ListedPort> listPorts(SerialPortApi& api) {
    std::vector<ListedPort> ports;
    for (const ComPortInfo& info : listComPorts(api)) {
        const std::string path = "\\\\.\\" + info.name;
        ListedPort port{info.name, describePort(path, SystemRoots{}), {}, {}};
        // The system's own name of the device tells which driver serves it.
        if (!info.device.empty()) {
            port.device.devicePath = info.device;
        }
        if (!info.opens) {
            port.reason = api.openFailure(path).reason;
        }
        ports.push_back(std::move(port));
    }
    return ports;
}

}  // namespace

const char* portsHelp() {
    return R"(  ports                  lists the COM ports that Windows knows, openable or
  ports --json           not: name, device, description (the adapter's name,
                         USB IDs, serial number, driver) and, when it cannot
                         be opened, why and what to do; then adapters that are
                         plugged in but have no working port. Exit 0 when the
                         listing worked, also if empty.

Ports (--port P):
  COM1..COM20 are the system's own COM ports, as Device Manager shows them. A
  port that another program holds does not open. The tracker is looked for at
  4800 bit/s, then at 9600. When a port cannot be opened, the line after
  "Could not aquire Com Port" says why.
)";
}

void addPortsCommand(CommandSet& commands) {
    auto asJson = std::make_shared<bool>(false);
    auto& ports = commands.add(
        "ports", "List the COM ports that Windows knows, what they are and whether they open.",
        [asJson] {
            return runs([asJson] {
                return printPorts(listPorts(systemSerialPortApi()),
                                  adaptersWithoutPort(SystemRoots{}), *asJson, std::cout);
            });
        });
    ports.add_flag("--json", *asJson, "print the list as JSON");
}

bool stderrIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}

}  // namespace qz5
