// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/port_listing.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "common/outside_text.h"
#include "tools/qz5cfg/json_output.h"
#include "tools/qz5cfg/reader_language.h"

namespace qz5 {

namespace {

nlohmann::json portsJson(const std::vector<ListedPort>& ports, const std::vector<Text>& adapters) {
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
    for (const Text& adapter : adapters) {
        unported.push_back(text(adapter.english()));
    }
    return {{"ports", list}, {"adaptersWithoutPort", unported}};
}

void printText(const std::vector<ListedPort>& ports, const std::vector<Text>& adapters,
               std::ostream& out) {
    if (ports.empty()) {
        out << shown(say("Ports", "No serial devices found.")) << '\n';
    }
    constexpr const char* kIndent = "       ";
    for (const ListedPort& port : ports) {
        const PortDevice& d = port.device;
        out << (port.comName ? *port.comName : std::string("-")) << "  "
            << printableText(d.devicePath) << "  " << shown(d.description()) << '\n';
        const Text serial = say("Ports", "serial %1").with(printableText(d.serial));
        const Text driver = say("Ports", "driver %1").with(printableText(d.driver));
        if (!d.serial.empty() && !d.driver.empty()) {
            out << kIndent
                << shown(say("Ports", "%1, %2", "a device's serial number, then its driver")
                             .with(serial, driver))
                << '\n';
        } else if (!d.serial.empty() || !d.driver.empty()) {
            out << kIndent << shown(d.serial.empty() ? driver : serial) << '\n';
        }
        if (!d.byIdPath.empty()) {
            out << kIndent << printableText(d.byIdPath) << '\n';
        }
        if (port.reason.empty()) {
            out << kIndent << shown(say("Ports", "can be opened")) << '\n';
            // A refusal's reason names them already.
            if (!port.ignoredLocks.empty()) {
                out << kIndent << shown(Text(describeIgnoredLocks(port.ignoredLocks))) << '\n';
            }
        } else {
            out << kIndent << shown(say("Ports", "cannot be opened: %1").with(port.reason)) << '\n';
        }
    }
    for (const Text& adapter : adapters) {
        out << shown(adapter) << '\n';
    }
}

}  // namespace

void addPortsOptions(CLI::App& ports, PortsOptions& options) {
    auto* json =
        ports.add_flag("--json", options.asJson, shown(say("Cli", "print the list as JSON")));
    ports
        .add_flag(
            "--find", options.find,
            shown(say("Cli",
                      "ask every free port for the tracker's version (sends the version request "
                      "and raises DTR and RTS on each) and say which answered")))
        ->excludes(json);
}

ExitStatus printPorts(const std::vector<ListedPort>& ports, const std::vector<Text>& adapters,
                      bool asJson, std::ostream& out) {
    if (asJson) {
        printJson(out, portsJson(ports, adapters));
    } else {
        printText(ports, adapters, out);
    }
    return finishOutput(out);
}

}  // namespace qz5
