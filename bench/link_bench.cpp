// SPDX-License-Identifier: GPL-3.0-or-later
// Times the tracker exchanges of SerialLink over the real serial back end
// against the simulated tracker, and compares each with the least time the
// protocol allows for it. Prints a Markdown table.
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "link/port_table.h"
#include "link/serial_link.h"
#include "link/serial_port_api_posix.h"
#include "sim/pty_tracker.h"

namespace qz5 {
namespace {

// What the protocol mandates, in milliseconds.
constexpr double kPauseMs = 10;     // after every byte the host writes
constexpr double kIntervalMs = 50;  // a read ends this long after its last byte
constexpr int kVersionCapacity = 29;
constexpr int kDrainBeforeWrite = 100;
constexpr int kImageCapacity = 200;
constexpr int kImageBytes = 128;
constexpr int kWriteCommandBytes = 4;
const int kVersionReplyBytes = static_cast<int>(std::strlen(TrackerModel::kDefaultVersionText));

// A read that nothing answers lasts its whole total time-out.
double silentReadMs(int capacity) {
    return 3.0 * capacity + 100;
}

// Line time of `bytes` bytes of 10 bits.
double lineMs(int rate, int bytes) {
    return bytes * 10'000.0 / rate;
}

// A command of `commandBytes` answered with `replyBytes`, after a drain read of
// `drainCapacity`: the drain runs out on the quiet line; every command byte is
// followed by a pause, and the host's read starts after the last one. The
// tracker can answer only once the last command byte is through the line, and
// the answer takes its own line time; the read then ends one interval after
// its last byte, since fewer bytes come than it asks for.
double answeredMs(int rate, int drainCapacity, int commandBytes, int replyBytes) {
    return silentReadMs(drainCapacity) + (commandBytes - 1) * kPauseMs +
           std::max(kPauseMs, lineMs(rate, 1 + replyBytes)) + kIntervalMs;
}

// A version request that gets no reply: drain, three paced bytes, and a read
// that runs out.
double versionMissMs() {
    return 2 * silentReadMs(kVersionCapacity) + 3 * kPauseMs;
}
double versionHitMs(int rate) {
    return answeredMs(rate, kVersionCapacity, 3, kVersionReplyBytes);
}
double fetchImageMs(int rate) {
    return answeredMs(rate, kImageCapacity, 2, kImageBytes);
}
// The drain, then the write command and the image, each byte paced; the line
// time of a byte (at most 2.1 ms) passes within its pause.
double sendImageMs() {
    return silentReadMs(kDrainBeforeWrite) + (kWriteCommandBytes + kImageBytes) * kPauseMs;
}

struct Exchange {
    std::string name;
    std::int32_t trackerRate;
    TrackerFaults faults;
    double floorMs;
    // Runs the exchange; false when it did not end as it should.
    std::function<bool(SerialLink&)> run;
};

std::vector<Exchange> exchanges() {
    std::vector<Exchange> list;
    for (const std::int32_t rate : {4800, 9600}) {
        // At 9600 the probe first asks at 4800, which the tracker does not hear.
        const double probeHit =
            rate == 4800 ? versionHitMs(rate) : versionMissMs() + versionHitMs(rate);
        list.push_back({"probe hit", rate, {}, probeHit, [rate](SerialLink& link) {
                            std::array<char, 30> reply{};
                            return link.probeDevice(reply) && link.baudRate() == rate;
                        }});
        list.push_back({"probe miss (silent tracker)",
                        rate,
                        {.silent = true},
                        2 * versionMissMs(),
                        [](SerialLink& link) {
                            std::array<char, 30> reply{};
                            return !link.probeDevice(reply);
                        }});
        list.push_back({"read configuration (read twice)",
                        rate,
                        {},
                        2 * fetchImageMs(rate),
                        [rate](SerialLink& link) {
                            link.setBaudRate(rate);
                            std::array<std::uint8_t, kImageCapacity> buffer{};
                            const auto read = link.readImageVerified(buffer);
                            return read && *read == kImageBytes;
                        }});
        list.push_back({"write configuration (verified)",
                        rate,
                        {},
                        sendImageMs() + fetchImageMs(rate),
                        [rate](SerialLink& link) {
                            link.setBaudRate(rate);
                            const ConfigImage image{};
                            return static_cast<bool>(link.writeImageVerified(image));
                        }});
    }
    return list;
}

int run(int repetitions) {
    // The figures depend on how soon a sleeping thread gets a processor back.
    std::array<double, 1> load{};
    if (getloadavg(load.data(), 1) == 1) {
        std::printf("Load average at start: %.2f\n\n", load[0]);
    }
    PosixSerialPortApi api;
    std::printf("| exchange | rate (bit/s) | floor (ms) | measured (ms, mean of %d) | ratio |\n",
                repetitions);
    std::printf("|---|---:|---:|---:|---:|\n");
    for (const auto& exchange : exchanges()) {
        TrackerModel model(exchange.trackerRate);
        model.faults = exchange.faults;
        PtyTracker tracker(std::move(model));
        const PortTable ports({{"COM1", tracker.slavePath()}});
        double totalMs = 0;
        for (int i = 0; i < repetitions; ++i) {
            // A fresh link each time: a failed probe leaves its port open.
            SerialLink link(api, ports);
            link.setPortName("COM1");
            const auto start = std::chrono::steady_clock::now();
            const bool ok = exchange.run(link);
            totalMs +=
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            if (!ok) {
                std::fprintf(stderr, "%s at %d did not end as it should\n", exchange.name.c_str(),
                             exchange.trackerRate);
                return 1;
            }
        }
        const double meanMs = totalMs / repetitions;
        std::printf("| %s | %d | %.1f | %.1f | %.3f |\n", exchange.name.c_str(),
                    exchange.trackerRate, exchange.floorMs, meanMs, meanMs / exchange.floorMs);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace
}  // namespace qz5

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 3;
    if (argc > 2 || repetitions < 1) {
        std::fprintf(stderr, "usage: %s [REPETITIONS]\n", argv[0]);
        return 2;
    }
    return qz5::run(repetitions);
}
