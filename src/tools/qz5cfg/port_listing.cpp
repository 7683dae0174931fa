#include "tools/qz5cfg/port_listing.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace qz5 {

namespace {

nlohmann::json portsJson(const std::vector<ListedPort>& ports,
                         const std::vector<std::string>& adapters) {
    auto list = nlohmann::json::array();
    for (const ListedPort& port : ports) {
        const PortDevice& d = port.device;
        list.push_back({{"comName", port.comName ? nlohmann::json(*port.comName) : nullptr},
                        {"device", d.devicePath},
                        {"description", d.description()},
                        {"vendor", d.vendor},
                        {"model", d.model},
                        {"vendorId", d.vendorId},
                        {"productId", d.productId},
                        {"serial", d.serial},
                        {"driver", d.driver},
                        {"byId", d.byIdPath},
                        {"openable", port.reason.empty()},
                        {"reason", port.reason}});
    }
    return {{"ports", list}, {"adaptersWithoutPort", adapters}};
}

void printText(const std::vector<ListedPort>& ports, const std::vector<std::string>& adapters,
               std::ostream& out) {
    if (ports.empty()) {
        out << "No serial devices found.\n";
    }
    constexpr const char* kIndent = "       ";
    for (const ListedPort& port : ports) {
        const PortDevice& d = port.device;
        out << (port.comName ? *port.comName : std::string("-")) << "  " << d.devicePath << "  "
            << d.description() << '\n';
        std::string facts;
        if (!d.serial.empty()) {
            facts = "serial " + d.serial;
        }
        if (!d.driver.empty()) {
            facts += (facts.empty() ? "" : ", ") + std::string("driver ") + d.driver;
        }
        if (!facts.empty()) {
            out << kIndent << facts << '\n';
        }
        if (!d.byIdPath.empty()) {
            out << kIndent << d.byIdPath << '\n';
        }
        if (port.reason.empty()) {
            out << kIndent << "can be opened\n";
        } else {
            out << kIndent << "cannot be opened: " << port.reason << '\n';
        }
    }
    for (const std::string& adapter : adapters) {
        out << adapter << '\n';
    }
}

}  // namespace

ExitStatus printPorts(const std::vector<ListedPort>& ports,
                      const std::vector<std::string>& adapters, bool asJson, std::ostream& out) {
    if (asJson) {
        out << portsJson(ports, adapters).dump(2) << '\n';
    } else {
        printText(ports, adapters, out);
    }
    return finishOutput(out);
}

}  // namespace qz5
