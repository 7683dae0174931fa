// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/port_listing_linux.h"

#include <string>
#include <vector>

#include "link/port_catalogue.h"
#include "link/port_diagnostics.h"
#include "link/port_table.h"
#include "link/serial_port_api_posix.h"
#include "link/uucp_lock_linux.h"
#include "tools/qz5cfg/port_listing.h"

namespace qz5 {

namespace {

std::vector<ListedPort> listPorts(PosixSerialPortApi& api, const SystemRoots& roots) {
    const PortTable table = PortTable::scanSystem(roots);
    std::vector<ListedPort> ports;
    for (const std::string& path : PortTable::serialDevices(roots)) {
        ListedPort port{
            table.nameOf(path), describePort(path, roots), {}, checkUucpLocks(path, roots).ignored};
        const auto attempt = api.tryOpen(path);
        if (attempt.handle != kInvalidPortHandle) {
            static_cast<void>(api.close(attempt.handle));  // it opened: that is all we asked
        } else {
            port.reason = explainRefusal(path, attempt.refusal, roots);
        }
        ports.push_back(std::move(port));
    }
    return ports;
}

}  // namespace

ExitStatus runPorts(PosixSerialPortApi& api, const SystemRoots& roots, bool json,
                    std::ostream& out) {
    return printPorts(listPorts(api, roots), adaptersWithoutPort(roots), json, out);
}

}  // namespace qz5
