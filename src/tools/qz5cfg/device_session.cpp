// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/device_session.h"

#include <algorithm>
#include <iostream>
#include <optional>

#include "common/message_box.h"
#include "common/outside_text.h"
#include "link/exchange_log.h"
#include "link/port_table.h"
#include "link/serial_link.h"
#include "link/system_serial_port_api.h"
#include "link/traced_port_api.h"
#include "tools/qz5cfg/device_commands.h"
#include "tools/qz5cfg/find_command.h"
#include "tools/qz5cfg/platform_commands.h"
#include "tools/qz5cfg/port_choice.h"
#include "tools/qz5cfg/stderr_presenter.h"
#include "tools/qz5cfg/terminal_progress.h"

namespace qz5 {

namespace {

bool isAutoPort(std::string_view port) {
    return port.size() == kAutoPort.size() &&
           std::equal(port.begin(), port.end(), kAutoPort.begin(),
                      [](char a, char b) { return (a | 0x20) == b; });
}

}  // namespace

DeviceSession::DeviceSession() = default;
DeviceSession::~DeviceSession() = default;

ExitStatus DeviceSession::onDevice(const std::string& port, bool quiet,
                                   const std::function<ExitStatus(SerialLink&)>& command) {
    const bool automatic = isAutoPort(port);
    auto choice = automatic ? std::nullopt : choosePort(port);
    if (!automatic && !choice) {
        reportToolError(
            say("Cli", "--port %1: expected COM1..COM255, auto, or a device path starting with '/'")
                .with(printableText(port)));
        return ExitStatus::Usage;
    }
    if (!tracePath_.empty() && !trace_) {
        Text error;
        trace_ = ExchangeLog::toFile(tracePath_, error);
        if (!trace_) {
            reportToolError(error);
            return ExitStatus::Failed;
        }
    }
    std::optional<TracedPortApi> traced;
    if (trace_) {
        traced.emplace(systemSerialPortApi(), *trace_);
    }
    SerialPortApi& api = traced ? static_cast<SerialPortApi&>(*traced) : systemSerialPortApi();
    // Logs and pipes stay clean: the steps show only to a person watching.
    const bool showSteps = !quiet && stderrIsTerminal();
    if (automatic) {
        choice = findAutoPort(api, PortTable::system(), std::cerr, showSteps);
        if (!choice) {
            return ExitStatus::Failed;
        }
    }
    SerialLink link(api, choice->table);
    link.setPortName(choice->name);
    const auto talk = [&] {
        if (!showSteps) {
            return command(link);
        }
        StderrPresenter messages;
        TerminalProgress progress(std::cerr, std::cout, messages);
        ScopedMessagePresenter installed(progress);
        link.setProgressCallback([&progress](const LinkProgress& step) { progress.show(step); });
        return command(link);
    };
    const ExitStatus status = talk();
    // Said after the exchange, which a trace never stops half way.
    if (const Text failure = link.takeSideFailure(); !failure.empty()) {
        reportToolError(failure);
        return ExitStatus::Failed;
    }
    return status;
}

TrackerImageReader DeviceSession::quietTrackerReader() {
    return [this](const std::string& port, ConfigImage& image) {
        return onDevice(port, true,
                        [&image](SerialLink& link) { return readTrackerImage(link, image); });
    };
}

}  // namespace qz5
