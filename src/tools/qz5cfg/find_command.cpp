// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/find_command.h"

#include <ostream>
#include <string>
#include <vector>

#include "link/port_table.h"
#include "link/serial_link.h"
#include "tools/qz5cfg/reader_language.h"

namespace qz5 {

namespace {

std::string joined(const std::vector<PortAnswer>& answers) {
    std::string names;
    for (const PortAnswer& answer : answers) {
        names += (names.empty() ? "" : ", ") + answer.port;
    }
    return names;
}

}  // namespace

TrackerSearch searchForTracker(SerialPortApi& api, const PortTable& table, std::ostream& err,
                               bool showSteps) {
    // Other devices may hang on these ports: the user hears first what they get.
    err << shown(say("Cli",
                     "Looking for the tracker: every serial port that no other program holds gets "
                     "the version request (ESC ESC V) at 4800, then 9600 bit/s, with DTR and RTS "
                     "raised."))
        << '\n'
        << std::flush;
    std::vector<std::string> names;
    for (const auto& [name, path] : table.entries()) {
        names.push_back(name);
    }
    SerialLink link(api, table);
    SearchHooks hooks;
    if (showSteps) {
        hooks.asking = [&err](const SearchStep& step) {
            err << shown(say("Cli", "Asking %1 at %2 bit/s (port %3 of %4)")
                             .with(step.port, std::to_string(step.baudRate),
                                   std::to_string(step.index), std::to_string(step.count)))
                << '\n'
                << std::flush;
        };
    }
    return findTracker(link, names, hooks);
}

ExitStatus runFindTracker(SerialPortApi& api, const PortTable& table, std::ostream& out,
                          std::ostream& err, bool showSteps) {
    const TrackerSearch search = searchForTracker(api, table, err, showSteps);
    if (search.ports.empty()) {
        out << shown(say("Cli", "No serial ports found.")) << '\n';
    }
    for (const PortAnswer& answer : search.ports) {
        out << shown(answerText(answer)) << '\n';
    }
    const ExitStatus written = finishOutput(out);
    return written == ExitStatus::Ok && search.answered().empty() ? ExitStatus::Failed : written;
}

std::optional<PortChoice> findAutoPort(SerialPortApi& api, const PortTable& table,
                                       std::ostream& err, bool showSteps) {
    const std::vector<PortAnswer> found = searchForTracker(api, table, err, showSteps).answered();
    if (found.empty()) {
        reportToolError(say("Cli",
                            "--port auto: no tracker answered on any free port (qz5cfg ports "
                            "lists them and why some cannot be opened)"));
        return std::nullopt;
    }
    if (found.size() > 1) {
        reportToolError(
            say("Cli", "--port auto: a tracker answered on each of %1; name one with --port")
                .with(joined(found)));
        return std::nullopt;
    }
    err << shown(say("Cli", "Found the tracker on %1.").with(found.front().port)) << '\n';
    return PortChoice{table, found.front().port};
}

}  // namespace qz5
