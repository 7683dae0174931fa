// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <iostream>
#include <memory>

#include "link/serial_port_api_posix.h"
#include "link/system_roots.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/platform_commands.h"
#include "tools/qz5cfg/port_listing_linux.h"

namespace qz5 {

const char* portsHelp() {
    return R"(  ports                  lists every serial device present, openable or not:
  ports --json           COM name, path, description (vendor, model, USB IDs,
                         serial number, driver, /dev/serial/by-id name) and,
                         when it cannot be opened, why and what to do; then
                         USB serial adapters that are plugged in but have no
                         port. Exit 0 when the listing worked, also if empty.

Ports (--port P):
  COM1..COM20 name the serial devices found in /dev, in the order ttyUSB*,
  ttyACM*, ttyS*, ttyAMA*, rfcomm*; a path starting with '/' (for example
  /dev/ttyUSB0 or /dev/pts/4) is used as it is. The tracker is looked for at
  4800 bit/s, then at 9600. When a port cannot be opened, the line after
  "Could not aquire Com Port" says why (permission and the group to join, the
  program that holds it, ...).
)";
}

void addPortsCommand(CommandSet& commands) {
    auto asJson = std::make_shared<bool>(false);
    auto& ports = commands.add(
        "ports", "List the serial devices, what they are and whether they open.", [asJson] {
            return runs([asJson] {
                PosixSerialPortApi api;
                return runPorts(api, SystemRoots{}, *asJson, std::cout);
            });
        });
    ports.add_flag("--json", *asJson, "print the list as JSON");
}

bool stderrIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

}  // namespace qz5
