// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <iostream>
#include <memory>

#include "link/port_table.h"
#include "link/serial_port_api_posix.h"
#include "link/system_roots.h"
#include "tools/qz5cfg/command_set.h"
#include "tools/qz5cfg/find_command.h"
#include "tools/qz5cfg/platform_commands.h"
#include "tools/qz5cfg/port_listing.h"
#include "tools/qz5cfg/port_listing_linux.h"
#include "tools/qz5cfg/reader_language.h"

namespace qz5 {

std::string portsHelp() {
    return shown(
        say("Cli", R"(  ports                  lists every serial device present, openable or not:
  ports --json           COM name, path, description (vendor, model, USB IDs,
                         serial number, driver, /dev/serial/by-id name) and,
                         when it cannot be opened, why and what to do; then
                         USB serial adapters that are plugged in but have no
                         port. Exit 0 when the listing worked, also if empty.
  ports --find           asks every port that no other program holds for the
                         tracker's version, at 4800 then 9600 bit/s: this
                         sends the version request and raises DTR and RTS on
                         each. One line per port; exit 0 when a tracker
                         answered, 1 when none did. A port that another
                         process has open is passed over; only root sees
                         other users' processes, so a port that another
                         user's program holds without a lock is asked.

Ports (--port P):
  COM1..COM255 name the serial devices found in /dev, in the order ttyUSB*,
  ttyACM*, ttyS*, ttyAMA*, rfcomm*; a path starting with '/' (for example
  /dev/ttyUSB0 or /dev/pts/4) is used as it is; auto looks for the tracker as
  ports --find does and uses the one port where it answered (exit 1 when
  none or more than one did). com5 and \\.\COM5 are COM5. The tracker is
  looked for at 4800 bit/s, then at 9600. When a port cannot be opened, the
  line after "Could not aquire Com Port" says why (permission and the group
  to join, the program that holds it, ...).
)"));
}

void addPortsCommand(CommandSet& commands) {
    auto options = std::make_shared<PortsOptions>();
    auto& ports = commands.add(
        "ports", shown(say("Cli", "List the serial devices, what they are and whether they open.")),
        [options] {
            return runs([options] {
                PosixSerialPortApi api;
                if (options->find) {
                    return runFindTracker(api, PortTable::scanSystem(), std::cout, std::cerr,
                                          stderrIsTerminal());
                }
                return runPorts(api, SystemRoots{}, options->asJson, std::cout);
            });
        });
    addPortsOptions(ports, *options);
}

bool stderrIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

}  // namespace qz5
