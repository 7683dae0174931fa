// SPDX-License-Identifier: GPL-3.0-or-later
// qz5-sim: a simulated tracker on a pseudo-terminal, for trying the program
// and the command-line tool without hardware.
#include <pthread.h>
#include <signal.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <utility>

#include "common/program_info.h"
#include "link/exchange_log.h"
#include "sim/image_file.h"
#include "sim/pty_tracker.h"

// NOLINTNEXTLINE(bugprone-exception-escape): outside the try, only a wrong option set-up throws
int main(int argc, char** argv) {
    using namespace qz5;

    CLI::App app{
        "Simulated tracker on a pseudo-terminal. Prints the device path for the host to open on "
        "stdout, serves until interrupted (SIGINT or SIGTERM), and logs every exchange on stderr "
        "in hex, timed from the start (\"+1.234s 4800 rx 1B 1B 56\"); bytes the host sends at "
        "a rate the tracker does not listen at are marked \"(ignored)\".",
        "qz5-sim"};
    // Wide enough for "--rate INT:{4800,9600}=4800" to keep its own column.
    app.get_formatter()->column_width(36);
    app.set_version_flag("--version", std::string("qz5-sim ") + kProgramVersion,
                         "Print the version and exit");
    std::int32_t rate = 4800;
    std::string versionText = TrackerModel::kDefaultVersionText;
    std::string imagePath;
    TrackerFaults faults;
    app.add_option("--rate", rate, "Line rate the tracker listens at")
        ->check(CLI::IsMember({4800, 9600}))
        ->capture_default_str();
    app.add_option("--version-text", versionText,
                   "Answer to the version request, sent as given (default \"OV-QZ5 1.4\" and "
                   "CR LF)");
    app.add_option("--image", imagePath,
                   "Configuration file (\"ZB3A\", length 128, image) whose image the tracker's "
                   "memory starts as; default: the image of the default configuration");
    app.add_flag("--silent", faults.silent, "Answer nothing");
    app.add_flag("--wrong-version", faults.wrongVersion,
                 "Answer the version request with a text the host rejects");
    app.add_flag("--corrupt-read-back", faults.corruptReadBack,
                 "Change one byte of every image read");
    app.add_flag("--short-read-back", faults.shortReadBack, "Send 127 bytes for every image read");
    std::string replyGapHelp = "Pause ";
    replyGapHelp += std::to_string(kReplyGap.count());
    replyGapHelp += " ms in the middle of every reply";
    app.add_flag("--reply-gap", faults.replyGap, replyGapHelp);
    app.add_flag("--drifting-reads", faults.driftingReads,
                 "Make every image read differ from the one before");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // The usual usage-error status rather than CLI11's own numbering.
        if (app.exit(error) != 0) {
            return 2;
        }
        // A help or a version that could not be written is a failure like any other.
        if (!std::cout.flush()) {
            std::fprintf(stderr, "qz5-sim: cannot write the output\n");
            return 1;
        }
        return 0;
    }

    // Blocked before the serving thread starts, so that only sigwait takes them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        TrackerModel model(rate, versionText);
        if (!imagePath.empty()) {
            model.setMemory(readImageFile(imagePath));
        }
        model.faults = faults;
        ExchangeLog log(std::cerr);
        PtyTracker tracker(std::move(model), [&log](const WireEvent& event) { log.record(event); });
        std::printf("%s\n", tracker.slavePath().c_str());
        std::fflush(stdout);
        int received = 0;
        sigwait(&stopSignals, &received);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qz5-sim: %s\n", error.what());
        return 1;
    }
    return 0;
}
