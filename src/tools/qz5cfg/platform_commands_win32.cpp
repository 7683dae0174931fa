// SPDX-License-Identifier: GPL-3.0-or-later
#include <io.h>

#include <cstdio>
#include <iostream>
#include <memory>

#include "link/com_ports_win32.h"
#include "link/port_catalogue.h"
#include "link/port_table.h"
#include "link/system_serial_port_api.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/find_command.h"
#include "tools/qz5cfg/platform_commands.h"
#include "tools/qz5cfg/port_listing.h"
#include "tools/qz5cfg/reader_language.h"

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

std::string portsHelp() {
    return shown(
        say("Cli", R"(  ports                  lists the COM ports that Windows knows, openable or
  ports --json           not: name, device, description (the adapter's name,
                         USB IDs, serial number, driver) and, when it cannot
                         be opened, why and what to do; then adapters that are
                         plugged in but have no working port. Exit 0 when the
                         listing worked, also if empty.
  ports --find           asks every port that no other program holds for the
                         tracker's version, at 4800 then 9600 bit/s: this
                         sends the version request and raises DTR and RTS on
                         each. One line per port; exit 0 when a tracker
                         answered, 1 when none did.

Ports (--port P):
  COM1..COM255 are the system's own COM ports, as Device Manager shows them,
  in any case (com5) and also as \\.\COM5. A port that another program holds
  does not open. auto looks for the tracker as ports --find does and uses the
  one port where it answered (exit 1 when none or more than one did). The tracker is looked for at
  4800 bit/s, then at 9600. When a port cannot be opened, the line after
  "Could not aquire Com Port" says why.
)"));
}

void addPortsCommand(CommandSet& commands) {
    auto options = std::make_shared<PortsOptions>();
    auto& ports = commands.add(
        "ports",
        shown(say("Cli",
                  "List the COM ports that Windows knows, what they are and whether they open.")),
        [options] {
            return runs([options] {
                if (options->find) {
                    return runFindTracker(systemSerialPortApi(), PortTable::scanSystem(), std::cout,
                                          std::cerr, stderrIsTerminal());
                }
                return printPorts(listPorts(systemSerialPortApi()),
                                  adaptersWithoutPort(SystemRoots{}), options->asJson, std::cout);
            });
        });
    addPortsOptions(ports, *options);
}

bool stderrIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}

}  // namespace qz5
