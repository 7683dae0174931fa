// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the configuration window against its floor: the time from
// process start to the window shown on the offscreen platform, with all twenty
// COM names present and opening, and that process's peak memory, beside the
// same for the smallest form such a tool could be (a label, a field, a list of
// three ports and a button). The two run in turns, so a machine that gets
// busier slows both. Each run is a fresh process, so nothing is warm but the
// disk cache; the first pair only warms that and is not counted. Targets: the
// window within 1.1 times the form's time and memory, under 300 ms and 60 MB.
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/config_dlg.h"
#include "link/port_table.h"
#include "link/serial_port_api_posix.h"

extern char** environ;

namespace {

constexpr int kPorts = 20;
constexpr int kPairs = 20;
constexpr double kRatioTarget = 1.1;
constexpr double kTimeTargetMs = 300;
constexpr double kMemoryTargetMb = 60;
constexpr const char* kWindowFlag = "--window";
constexpr const char* kFormFlag = "--form";

using Clock = std::chrono::steady_clock;

// Where a run's time goes, each a moment after the spawn.
enum Step { kMain, kApplication, kBuilt, kShown, kSteps };
constexpr std::array<const char*, kSteps> kStepNames = {
    "process start to main", "application object", "window built", "shown and painted"};

std::int64_t now() {
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch())
        .count();
}

std::unique_ptr<QDialog> smallForm() {
    auto form = std::make_unique<QDialog>();
    auto* layout = new QFormLayout(form.get());
    layout->addRow(new QLabel(QStringLiteral("Tracker settings")));
    layout->addRow(QStringLiteral("Callsign"), new QLineEdit);
    auto* ports = new QComboBox;
    ports->addItems({QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3")});
    layout->addRow(QStringLiteral("COM port"), ports);
    layout->addRow(new QPushButton(QStringLiteral("Read Configuration")));
    return form;
}

// The measured process: shows the window (or the form) and reports the
// moments of its steps and its peak memory through `reportFd`, then leaves
// without tearing down.
int runChild(bool window, int reportFd, int pathCount, char** paths) {
    std::array<std::int64_t, kSteps> moments{};
    moments[kMain] = now();
    int qtArgc = 1;
    char name[] = "window_startup_bench";
    char* qtArgv[] = {name, nullptr};
    QApplication app(qtArgc, qtArgv);
    moments[kApplication] = now();
    qz5::PortTable::Entries table;
    for (int k = 0; k < pathCount; ++k) {
        table.emplace("COM" + std::to_string(k + 1), paths[k]);
    }
    const qz5::PortTable ports(std::move(table));
    std::unique_ptr<QDialog> shown =
        window ? std::make_unique<qz5::CConfigDlg>(qz5::PosixSerialPortApi::instance(), ports)
               : smallForm();
    moments[kBuilt] = now();
    shown->show();
    while (!shown->windowHandle() || !shown->windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    shown->repaint();
    moments[kShown] = now();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::string report = std::to_string(usage.ru_maxrss);
    for (const std::int64_t moment : moments) {
        report += ' ' + std::to_string(moment);
    }
    report += '\n';
    if (write(reportFd, report.data(), report.size()) < 0) {
        _exit(1);
    }
    _exit(0);
}

struct Run {
    double milliseconds = 0;
    double peakMb = 0;
    std::array<double, kSteps> stepMs{};  // each step's own share
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

bool measure(const char* self, const char* flag, const std::vector<std::string>& devices,
             Run& run) {
    int report[2];
    if (pipe(report) != 0) {
        return false;
    }
    fcntl(report[0], F_SETFD, FD_CLOEXEC);
    std::string fd = std::to_string(report[1]);
    std::vector<char*> argv = {const_cast<char*>(self), const_cast<char*>(flag), fd.data()};
    for (const std::string& path : devices) {
        argv.push_back(const_cast<char*>(path.c_str()));
    }
    argv.push_back(nullptr);

    const std::int64_t start = now();
    pid_t child = 0;
    if (posix_spawn(&child, self, nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    close(report[1]);
    char text[256] = {};
    const ssize_t got = read(report[0], text, sizeof text - 1);
    const std::int64_t end = now();
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return false;
    }
    long long peakKb = 0;
    std::array<long long, kSteps> moments{};
    if (std::sscanf(text, "%lld %lld %lld %lld %lld", &peakKb, &moments[kMain],
                    &moments[kApplication], &moments[kBuilt], &moments[kShown]) != 1 + kSteps) {
        return false;
    }
    run.milliseconds = static_cast<double>(end - start) / 1000.0;
    run.peakMb = static_cast<double>(peakKb) / 1024.0;
    long long previous = start;
    for (int step = 0; step < kSteps; ++step) {
        run.stepMs[step] = static_cast<double>(moments[step] - previous) / 1000.0;
        previous = moments[step];
    }
    return true;
}

template <typename Value>
double median(const std::vector<Run>& runs, Value value) {
    std::vector<double> values;
    for (const Run& run : runs) {
        values.push_back(value(run));
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Summary {
    double medianMs;
    double minMs;
    double maxMs;
    double peakMb;
    std::array<double, kSteps> stepMs;
};

Summary summarise(const std::vector<Run>& runs) {
    Summary summary{};
    summary.medianMs = median(runs, [](const Run& run) { return run.milliseconds; });
    const auto [fastest, slowest] = std::minmax_element(
        runs.begin(), runs.end(),
        [](const Run& a, const Run& b) { return a.milliseconds < b.milliseconds; });
    summary.minMs = fastest->milliseconds;
    summary.maxMs = slowest->milliseconds;
    summary.peakMb = median(runs, [](const Run& run) { return run.peakMb; });
    for (int step = 0; step < kSteps; ++step) {
        summary.stepMs[step] = median(runs, [step](const Run& run) { return run.stepMs[step]; });
    }
    return summary;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 &&
        (std::strcmp(argv[1], kWindowFlag) == 0 || std::strcmp(argv[1], kFormFlag) == 0)) {
        return runChild(std::strcmp(argv[1], kWindowFlag) == 0, std::atoi(argv[2]), argc - 3,
                        argv + 3);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::vector<int> masters;
    const std::vector<std::string> devices = makeDevices(masters);
    std::vector<Run> windowRuns;
    std::vector<Run> formRuns;
    for (int k = 0; k <= kPairs; ++k) {
        Run window;
        Run form;
        if (!measure("/proc/self/exe", kWindowFlag, devices, window) ||
            !measure("/proc/self/exe", kFormFlag, {}, form)) {
            std::fprintf(stderr, "window_startup_bench: pair %d failed\n", k);
            return 1;
        }
        if (k > 0) {
            windowRuns.push_back(window);
            formRuns.push_back(form);
        }
    }
    const Summary shown = summarise(windowRuns);
    const Summary floor = summarise(formRuns);
    std::printf("start-up, %d pairs, medians (min, max); the window with %d ports:\n", kPairs,
                kPorts);
    std::printf("  %-24s %9s %9s\n", "", "window", "form");
    for (int step = 0; step < kSteps; ++step) {
        std::printf("  %-24s %6.1f ms %6.1f ms\n", kStepNames[step], shown.stepMs[step],
                    floor.stepMs[step]);
    }
    std::printf("  %-24s %6.1f ms %6.1f ms   (window %.1f..%.1f, form %.1f..%.1f)\n",
                "start to shown", shown.medianMs, floor.medianMs, shown.minMs, shown.maxMs,
                floor.minMs, floor.maxMs);
    std::printf("  %-24s %6.1f MB %6.1f MB\n", "peak memory", shown.peakMb, floor.peakMb);
    const double timeRatio = shown.medianMs / floor.medianMs;
    const double memoryRatio = shown.peakMb / floor.peakMb;
    const auto verdict = [](bool met) { return met ? "met" : "missed"; };
    std::printf("time ratio %.2f, memory ratio %.2f (target <= %.1f: %s, %s)\n", timeRatio,
                memoryRatio, kRatioTarget, verdict(timeRatio <= kRatioTarget),
                verdict(memoryRatio <= kRatioTarget));
    std::printf("window: %.1f ms (target < %.0f ms: %s), %.1f MB (target < %.0f MB: %s)\n",
                shown.medianMs, kTimeTargetMs, verdict(shown.medianMs < kTimeTargetMs),
                shown.peakMb, kMemoryTargetMb, verdict(shown.peakMb < kMemoryTargetMb));
    for (int master : masters) {
        close(master);
    }
    return 0;
}
