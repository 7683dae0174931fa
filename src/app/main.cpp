// SPDX-License-Identifier: GPL-3.0-or-later
// qz5-config: the configuration window on the machine's serial devices, or
// with --demo on a simulated tracker.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_options.h"
#include "app/config_app.h"
#include "app/demo_hookup.h"
#include "app/window_platform.h"
#include "language/catalogue.h"
#include "language/language_choice.h"
#include "language/shown_text.h"
#include "link/exchange_log.h"
#include "link/system_serial_port_api.h"
#include "link/traced_port_api.h"

namespace {

// Help, version and usage errors in the reader's language: the system's, as
// no window has chosen another yet.
std::string inReadersLanguage(const qz5::Text& words) {
    qz5::Catalogue catalogue;
    const std::optional<std::string> code = qz5::catalogueFor(qz5::systemLanguages());
    if (!code || !catalogue.load(*code)) {
        return words.english();
    }
    return qz5::shownText(words, catalogue).toStdString();
}

int answer(const qz5::AppCommandLine& line) {
    const bool error = *line.exitStatus != 0;
    // A help or a version that could not be written is a failure like any other.
    if (!qz5::printForUser(inReadersLanguage(line.words), error) && !error) {
        static_cast<void>(qz5::printForUser(
            inReadersLanguage(qz5::say("Window", "qz5-config: cannot write the output\n")), true));
        return 1;
    }
    return *line.exitStatus;
}

}  // namespace

int main(int argc, char** argv) {
    // Help and version come before Qt starts, so they work without a display.
    const qz5::AppCommandLine early =
        qz5::parseAppCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (early.exitStatus == 0) {
        return answer(early);
    }
    qz5::shareOneHeap();
    qz5::CConfigApp app(argc, argv);  // takes Qt's own options out of argv
    const qz5::AppCommandLine line = qz5::parseAppCommandLine(qz5::programArguments(argc, argv));
    if (line.exitStatus) {
        return answer(line);
    }
    if (line.options.quitAfterStart) {
        app.quitAfterStart();
    }
    if (line.options.allSettings) {
        app.openAllSettings();
    }
    if (!line.options.file.empty()) {
        app.loadAtStart(line.options.file);
    }

    // Checked before the window opens, so a trace the user asked for is never
    // silently missing; the last run's trace stays until this one talks.
    std::unique_ptr<qz5::ExchangeLog> log;
    std::optional<qz5::TracedPortApi> traced;
    if (!line.options.traceFile.empty()) {
        qz5::Text error;
        log = qz5::ExchangeLog::toFile(line.options.traceFile, error,
                                       qz5::PrivateOutputFile::Emptying::AtFirstWrite);
        if (!log) {
            qz5::printForUser(inReadersLanguage(qz5::say("Window", "qz5-config: %1\n").with(error)),
                              true);
            return 1;
        }
        traced.emplace(qz5::systemSerialPortApi(), *log);
    }
    qz5::SerialPortApi& api =
        traced ? static_cast<qz5::SerialPortApi&>(*traced) : qz5::systemSerialPortApi();

    if (line.options.demo) {
        std::string error;
        const std::unique_ptr<qz5::DemoHookup> demo = qz5::startDemo(error);
        if (!demo) {
            qz5::printForUser(
                inReadersLanguage(
                    qz5::say("Window", "qz5-config: no simulated tracker: %1\n").with(error)),
                true);
            return 1;
        }
        app.startApplication(api, demo->ports());
    } else {
        app.startApplication(api);
    }
    return line.options.quitAfterStart && !app.windowWasShown() ? 1 : 0;
}
