#include "tools/qz5cfg/port_listing_linux.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/message_box.h"
#include "common/outside_text.h"
#include "link/port_catalogue.h"
#include "link/port_diagnostics.h"
#include "link/port_table.h"
#include "link/serial_port_api_posix.h"
#include "link/uucp_lock_linux.h"

namespace qz5 {

namespace {

struct ListedPort {
    std::optional<std::string> comName;
    PortDevice device;
    std::string reason;  // empty when the port can be opened
    std::vector<IgnoredLock> ignoredLocks;
};

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

nlohmann::json asJson(const std::vector<ListedPort>& ports,
                      const std::vector<std::string>& adapters) {
    // Devices and files name themselves: any bytes at all.
    const auto text = [](const std::string& bytes) { return nlohmann::json(validUtf8(bytes)); };
    auto list = nlohmann::json::array();
    for (const ListedPort& port : ports) {
        const PortDevice& d = port.device;
        auto ignored = nlohmann::json::array();
        for (const IgnoredLock& lock : port.ignoredLocks) {
            ignored.push_back({{"path", text(lock.path)}, {"reason", text(lock.reason)}});
        }
        list.push_back({{"comName", port.comName ? nlohmann::json(*port.comName) : nullptr},
                        {"device", text(d.devicePath)},
                        {"description", text(d.description())},
                        {"vendor", text(d.vendor)},
                        {"model", text(d.model)},
                        {"vendorId", text(d.vendorId)},
                        {"productId", text(d.productId)},
                        {"serial", text(d.serial)},
                        {"driver", text(d.driver)},
                        {"byId", text(d.byIdPath)},
                        {"openable", port.reason.empty()},
                        {"reason", text(port.reason)},
                        {"ignoredLockFiles", ignored}});
    }
    auto unported = nlohmann::json::array();
    for (const std::string& adapter : adapters) {
        unported.push_back(text(adapter));
    }
    return {{"ports", list}, {"adaptersWithoutPort", unported}};
}

void printText(const std::vector<ListedPort>& ports, const std::vector<std::string>& adapters,
               std::ostream& out) {
    if (ports.empty()) {
        out << "No serial devices found.\n";
    }
    constexpr const char* kIndent = "       ";
    for (const ListedPort& port : ports) {
        const PortDevice& d = port.device;
        out << (port.comName ? *port.comName : std::string("-")) << "  "
            << printableText(d.devicePath) << "  " << d.description() << '\n';
        std::string facts;
        if (!d.serial.empty()) {
            facts = "serial " + printableText(d.serial);
        }
        if (!d.driver.empty()) {
            facts += (facts.empty() ? "" : ", ") + std::string("driver ") + printableText(d.driver);
        }
        if (!facts.empty()) {
            out << kIndent << facts << '\n';
        }
        if (!d.byIdPath.empty()) {
            out << kIndent << printableText(d.byIdPath) << '\n';
        }
        if (port.reason.empty()) {
            out << kIndent << "can be opened\n";
            // A refusal's reason names them already.
            if (!port.ignoredLocks.empty()) {
                out << kIndent << describeIgnoredLocks(port.ignoredLocks) << '\n';
            }
        } else {
            out << kIndent << "cannot be opened: " << port.reason << '\n';
        }
    }
    for (const std::string& adapter : adapters) {
        out << adapter << '\n';
    }
}

}  // namespace

ExitStatus runPorts(PosixSerialPortApi& api, const SystemRoots& roots, bool json,
                    std::ostream& out) {
    const std::vector<ListedPort> ports = listPorts(api, roots);
    const std::vector<std::string> adapters = adaptersWithoutPort(roots);
    if (json) {
        out << asJson(ports, adapters).dump(2) << '\n';
    } else {
        printText(ports, adapters, out);
    }
    return finishOutput(out);
}

}  // namespace qz5
