// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the configuration window against its floor: the time from
// process start to the window shown on the offscreen platform, with all twenty
// COM names present and opening, and that process's peak memory. The floor is
// a plain dialog with the Basic view's controls placed by fixed geometry, its
// hidden controls built too; the smallest form such a tool could be (a label,
// a field, a list of three ports and a button) is a second line. They run in
// turns, so a machine that gets busier slows them alike. Each run is a fresh
// process, so nothing is warm but the disk cache; the first turn only warms
// that and is not counted. Targets: the window within 1.1 times the floor's
// time and 1.05 times its memory, under 300 ms and 60 MB.
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
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
#include "app/window_language.h"
#include "app/window_platform.h"
#include "link/port_table.h"
#include "link/serial_port_api_posix.h"

extern char** environ;

namespace {

constexpr int kPorts = 20;
constexpr int kPairs = 20;
constexpr double kTimeRatioTarget = 1.1;
constexpr double kMemoryRatioTarget = 1.05;
constexpr double kTimeTargetMs = 300;
constexpr double kMemoryTargetMb = 60;

// What a measured process shows, by its flag.
enum Shape { kWindow, kFloor, kForm, kShapes };
constexpr std::array<const char*, kShapes> kShapeFlags = {"--window", "--floor", "--form"};
constexpr std::array<const char*, kShapes> kShapeNames = {"window", "floor", "form"};

using Clock = std::chrono::steady_clock;

// Where a run's time goes, each a moment after the spawn.
enum Step { kMain, kApplication, kBuilt, kExposed, kPainted, kSteps };
constexpr std::array<const char*, kSteps> kStepNames = {
    "process start to main", "application object", "built", "shown (polished, exposed)", "painted"};

// The resident set now, in kB.
std::int64_t residentKb() {
    long pages = 0;
    long resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr || std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
        resident = 0;
    }
    if (statm != nullptr) {
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

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

// The Basic view's controls in a plain dialog, each placed by fixed geometry:
// what any dialog with this content costs.
std::unique_ptr<QDialog> basicFloor() {
    auto floor = std::make_unique<QDialog>();
    floor->setWindowTitle(QStringLiteral("Tracker settings"));
    floor->setFixedSize(309, 275);
    QDialog* parent = floor.get();
    const auto place = [](QWidget* widget, int x, int y, int width, int height) {
        widget->setGeometry(x, y, width, height);
        return widget;
    };
    auto* tabs = new QTabBar(parent);
    tabs->addTab(QStringLiteral("Primary"));
    tabs->addTab(QStringLiteral("Secondary"));
    place(tabs, 8, 8, 291, 24);
    const std::array labels = {
        "Callsign:", "Text:", "Symbol:", "Frequency:", "Transmit Rate:", "seconds"};
    for (int k = 0; k < static_cast<int>(labels.size()); ++k) {
        place(new QLabel(QString::fromLatin1(labels[k]), parent), 10, 37 + 22 * k, 70, 20);
    }
    for (int k = 0; k < 3; ++k) {
        place(new QLineEdit(QStringLiteral("NOCALL"), parent), 90, 37 + 22 * k, 130, 20);
    }
    for (int k = 0; k < 3; ++k) {
        auto* list = new QComboBox(parent);
        list->setEditable(k < 2);
        for (int item = 1; item <= 20; ++item) {
            list->addItem(QStringLiteral("COM%1").arg(item));
        }
        place(list, k < 2 ? 90 : 20, k < 2 ? 103 + 22 * k : 216, k < 2 ? 178 : 97, 22);
    }
    place(new QCheckBox(QStringLiteral("SmartBeaconing"), parent), 38, 162, 102, 16);
    place(new QGroupBox(QStringLiteral("Configure"), parent), 10, 198, 225, 65)->lower();
    const std::array buttons = {"Read Version", "Read Configuration", "Write Configuration", "Exit",
                                "About"};
    for (int k = 0; k < static_cast<int>(buttons.size()); ++k) {
        place(new QPushButton(QString::fromLatin1(buttons[k]), parent), 20 + 110 * (k / 2),
              216 + 24 * (k % 2), 97, 20);
    }
    const auto hidden = [](QWidget* widget) { widget->hide(); };
    for (int k = 0; k < 19; ++k) {
        hidden(new QLineEdit(parent));
        hidden(new QCheckBox(QStringLiteral("Option %1").arg(k), parent));
    }
    for (int k = 0; k < 2; ++k) {
        hidden(new QComboBox(parent));
    }
    for (int k = 0; k < 6; ++k) {
        hidden(new QPushButton(QStringLiteral("Command %1").arg(k), parent));
    }
    return floor;
}

// The measured process: shows the window (or the floor, or the form) and reports the
// moments of its steps and its peak memory through `reportFd`, then leaves
// without tearing down.
int runChild(Shape shape, int reportFd, int pathCount, char** paths) {
    std::array<std::int64_t, kSteps> moments{};
    std::array<std::int64_t, kSteps> resident{};
    const auto reached = [&](Step step) {
        moments[step] = now();
        resident[step] = residentKb();
    };
    reached(kMain);
    if (shape == kWindow) {
        qz5::shareOneHeap();  // as the program's main does
    }
    int qtArgc = 1;
    char name[] = "window_startup_bench";
    char* qtArgv[] = {name, nullptr};
    QApplication app(qtArgc, qtArgv);
    if (shape == kWindow) {
        qz5::speakChosenLanguage();  // the language of the environment, as the program does
    }
    reached(kApplication);
    qz5::PortTable::Entries table;
    for (int k = 0; k < pathCount; ++k) {
        table.emplace("COM" + std::to_string(k + 1), paths[k]);
    }
    const qz5::PortTable ports(std::move(table));
    std::unique_ptr<QDialog> shown =
        shape == kWindow
            ? std::make_unique<qz5::CConfigDlg>(qz5::PosixSerialPortApi::instance(), ports)
        : shape == kFloor ? basicFloor()
                          : smallForm();
    reached(kBuilt);
    shown->show();
    while (!shown->windowHandle() || !shown->windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    reached(kExposed);
    shown->repaint();
    reached(kPainted);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::string report = std::to_string(usage.ru_maxrss);
    for (const std::int64_t moment : moments) {
        report += ' ' + std::to_string(moment);
    }
    for (const std::int64_t kb : resident) {
        report += ' ' + std::to_string(kb);
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
    std::array<double, kSteps> stepMs{};      // each step's own share
    std::array<double, kSteps> residentMb{};  // the resident set after each step
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
    char text[512] = {};
    const ssize_t got = read(report[0], text, sizeof text - 1);
    const std::int64_t end = now();
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return false;
    }
    // The peak in kB, each step's moment, then the resident set after each.
    std::array<long long, 1 + 2 * kSteps> fields{};
    const char* cursor = text;
    for (long long& field : fields) {
        char* after = nullptr;
        field = std::strtoll(cursor, &after, 10);
        if (after == cursor) {
            return false;
        }
        cursor = after;
    }
    const long long peakKb = fields[0];
    run.milliseconds = static_cast<double>(end - start) / 1000.0;
    run.peakMb = static_cast<double>(peakKb) / 1024.0;
    long long previous = start;
    for (int step = 0; step < kSteps; ++step) {
        run.stepMs[step] = static_cast<double>(fields[1 + step] - previous) / 1000.0;
        previous = fields[1 + step];
        run.residentMb[step] = static_cast<double>(fields[1 + kSteps + step]) / 1024.0;
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
    std::array<double, kSteps> residentMb;
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
        summary.residentMb[step] =
            median(runs, [step](const Run& run) { return run.residentMb[step]; });
    }
    return summary;
}

}  // namespace

int main(int argc, char** argv) {
    for (int shape = 0; shape < kShapes; ++shape) {
        if (argc >= 3 && std::strcmp(argv[1], kShapeFlags[shape]) == 0) {
            return runChild(static_cast<Shape>(shape), std::atoi(argv[2]), argc - 3, argv + 3);
        }
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::vector<int> masters;
    const std::vector<std::string> devices = makeDevices(masters);
    std::array<std::vector<Run>, kShapes> runs;
    for (int k = 0; k <= kPairs; ++k) {
        for (int shape = 0; shape < kShapes; ++shape) {
            Run run;
            if (!measure("/proc/self/exe", kShapeFlags[shape],
                         shape == kWindow ? devices : std::vector<std::string>(), run)) {
                std::fprintf(stderr, "window_startup_bench: %s of turn %d failed\n",
                             kShapeNames[shape], k);
                return 1;
            }
            if (k > 0) {
                runs[shape].push_back(run);
            }
        }
    }
    std::array<Summary, kShapes> summaries{};
    for (int shape = 0; shape < kShapes; ++shape) {
        summaries[shape] = summarise(runs[shape]);
    }
    std::printf("start-up, %d turns, medians; the window with %d ports:\n", kPairs, kPorts);
    std::printf("  %-26s", "");
    for (const char* name : kShapeNames) {
        std::printf(" %9s", name);
    }
    std::printf("\n");
    // One row a step, one column a shape.
    const auto printSteps = [&summaries](auto Summary::*figures, const char* unit) {
        for (int step = 0; step < kSteps; ++step) {
            std::printf("  %-26s", kStepNames[step]);
            for (const Summary& summary : summaries) {
                std::printf(" %6.1f %s", (summary.*figures)[step], unit);
            }
            std::printf("\n");
        }
    };
    printSteps(&Summary::stepMs, "ms");
    std::printf("resident set after each step:\n");
    printSteps(&Summary::residentMb, "MB");
    std::printf("  %-26s", "start to shown");
    for (const Summary& summary : summaries) {
        std::printf(" %6.1f ms", summary.medianMs);
    }
    std::printf("\n  %-26s", "  (min..max)");
    for (const Summary& summary : summaries) {
        std::printf(" %4.0f..%-4.0f", summary.minMs, summary.maxMs);
    }
    std::printf("\n  %-26s", "peak memory");
    for (const Summary& summary : summaries) {
        std::printf(" %6.1f MB", summary.peakMb);
    }
    std::printf("\n");
    const auto verdict = [](bool met) { return met ? "met" : "missed"; };
    const Summary& window = summaries[kWindow];
    for (const Shape against : {kFloor, kForm}) {
        const double timeRatio = window.medianMs / summaries[against].medianMs;
        const double memoryRatio = window.peakMb / summaries[against].peakMb;
        std::printf("against the %s: time ratio %.2f, memory ratio %.2f", kShapeNames[against],
                    timeRatio, memoryRatio);
        if (against == kFloor) {
            std::printf(" (targets <= %.2f: %s, <= %.2f: %s)", kTimeRatioTarget,
                        verdict(timeRatio <= kTimeRatioTarget), kMemoryRatioTarget,
                        verdict(memoryRatio <= kMemoryRatioTarget));
        }
        std::printf("\n");
    }
    std::printf("window: %.1f ms (target < %.0f ms: %s), %.1f MB (target < %.0f MB: %s)\n",
                window.medianMs, kTimeTargetMs, verdict(window.medianMs < kTimeTargetMs),
                window.peakMb, kMemoryTargetMb, verdict(window.peakMb < kMemoryTargetMb));
    for (int master : masters) {
        close(master);
    }
    return 0;
}
