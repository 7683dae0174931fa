// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the configuration window: the time from process start to the
// window shown on the offscreen platform, with all twenty COM names present
// and opening, and that process's peak memory. Targets: under 300 ms and
// under 60 MB. Each run is a fresh process, so nothing is warm but the disk
// cache; the first run only warms that and is not counted.
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/config_dlg.h"
#include "link/port_table.h"
#include "link/serial_port_api_posix.h"

extern char** environ;

namespace {

constexpr int kPorts = 20;
constexpr int kRuns = 15;
constexpr double kTimeTargetMs = 300;
constexpr double kMemoryTargetMb = 60;
constexpr const char* kChildFlag = "--child";

// The measured process: shows the window on the given devices, then reports
// its peak memory through `reportFd` and leaves without tearing down.
int runChild(int reportFd, int pathCount, char** paths) {
    int qtArgc = 1;
    char name[] = "window_startup_bench";
    char* qtArgv[] = {name, nullptr};
    QApplication app(qtArgc, qtArgv);
    qz5::PortTable::Entries table;
    for (int k = 0; k < pathCount; ++k) {
        table.emplace("COM" + std::to_string(k + 1), paths[k]);
    }
    const qz5::PortTable ports(std::move(table));
    qz5::CConfigDlg window(qz5::PosixSerialPortApi::instance(), ports);
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    window.repaint();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const std::string report = std::to_string(usage.ru_maxrss) + "\n";
    if (write(reportFd, report.data(), report.size()) < 0) {
        _exit(1);
    }
    _exit(0);
}

struct Run {
    double milliseconds = 0;
    double peakMb = 0;
};

// Pseudo-terminals standing in for twenty serial devices; the masters stay
// open so every slave can be opened.
std::vector<std::string> makeDevices(std::vector<int>& masters) {
    std::vector<std::string> paths;
    for (int k = 0; k < kPorts; ++k) {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
            std::perror("pseudo-terminal");
            std::exit(1);
        }
        masters.push_back(master);
        paths.emplace_back(ptsname(master));
    }
    return paths;
}

bool measure(const char* self, const std::vector<std::string>& devices, Run& run) {
    int report[2];
    if (pipe(report) != 0) {
        return false;
    }
    fcntl(report[0], F_SETFD, FD_CLOEXEC);
    std::string fd = std::to_string(report[1]);
    std::vector<char*> argv = {const_cast<char*>(self), const_cast<char*>(kChildFlag), fd.data()};
    for (const std::string& path : devices) {
        argv.push_back(const_cast<char*>(path.c_str()));
    }
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, self, nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    close(report[1]);
    char text[64] = {};
    const ssize_t got = read(report[0], text, sizeof text - 1);
    const auto shown = std::chrono::steady_clock::now();
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return false;
    }
    run.milliseconds = std::chrono::duration<double, std::milli>(shown - start).count();
    run.peakMb = std::strtod(text, nullptr) / 1024.0;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], kChildFlag) == 0) {
        return runChild(std::atoi(argv[2]), argc - 3, argv + 3);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::vector<int> masters;
    const std::vector<std::string> devices = makeDevices(masters);
    std::vector<Run> runs;
    for (int k = 0; k <= kRuns; ++k) {
        Run run;
        if (!measure("/proc/self/exe", devices, run)) {
            std::fprintf(stderr, "window_startup_bench: run %d failed\n", k);
            return 1;
        }
        if (k > 0) {
            runs.push_back(run);
        }
    }
    std::sort(runs.begin(), runs.end(),
              [](const Run& a, const Run& b) { return a.milliseconds < b.milliseconds; });
    const double peak = std::max_element(runs.begin(), runs.end(), [](const Run& a, const Run& b) {
                            return a.peakMb < b.peakMb;
                        })->peakMb;
    const double median = runs[runs.size() / 2].milliseconds;
    std::printf(
        "window start-up, %d ports, %d runs: median %.1f ms, min %.1f ms, max %.1f ms "
        "(target < %.0f ms: %s)\n",
        kPorts, kRuns, median, runs.front().milliseconds, runs.back().milliseconds, kTimeTargetMs,
        median < kTimeTargetMs ? "met" : "missed");
    std::printf("peak memory: %.1f MB (target < %.0f MB: %s)\n", peak, kMemoryTargetMb,
                peak < kMemoryTargetMb ? "met" : "missed");
    for (int master : masters) {
        close(master);
    }
    return 0;
}
