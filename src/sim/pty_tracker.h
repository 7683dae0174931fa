// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "link/exchange_log.h"
#include "sim/tracker_model.h"
#include "sim/unique_fd.h"

namespace qz5 {

// One byte the host sent, as the tracker saw it arrive.
struct WireByte {
    std::uint8_t value = 0;
    std::int32_t rate = 0;  // the host's line rate at that moment (0: not a standard rate)
    bool heard = false;     // false when sent at a rate the tracker does not listen at
    WireClock::time_point time;
};

// Serves a TrackerModel on the master side of a pseudo-terminal, on a thread
// of its own, from construction to destruction. The host opens slavePath()
// like a serial device. Bytes count only when the host's line rate (read from
// the terminal settings) is the rate the model listens at; replies go out one
// byte per line time (10 bits a byte), as a real line would deliver them, and
// are lost while no one holds the port open. A command cut short by the host
// closing the port is forgotten. Only the last kKeptReceived bytes received
// are kept; the first drop of each port session is logged. Every accessor is
// thread-safe.
//
//   PtyTracker tracker{TrackerModel(9600)};
//   PortTable ports({{"COM1", tracker.slavePath()}});
//   SerialLink link(PosixSerialPortApi::instance(), ports);  // then talk on COM1
//   tracker.setFaults({.shortReadBack = true});               // at any time
//   tracker.received();  // what the host sent, with rates and times
class PtyTracker {
  public:
    // More than the longest exchange: a write command and its image, read back.
    static constexpr std::size_t kKeptReceived = 512;

    // Called on the serving thread; it must not call back into the tracker.
    using Observer = std::function<void(const WireEvent&)>;

    // Throws std::system_error when no pseudo-terminal can be had.
    explicit PtyTracker(TrackerModel model = TrackerModel(), Observer observer = {});
    ~PtyTracker();
    PtyTracker(const PtyTracker&) = delete;
    PtyTracker& operator=(const PtyTracker&) = delete;

    const std::string& slavePath() const { return slavePath_; }

    ConfigImage memory() const;
    void setMemory(const ConfigImage& image);
    TrackerFaults faults() const;
    void setFaults(const TrackerFaults& faults);
    Tone tone() const;
    // The bytes received since construction or the last clearReceived, at
    // most the last kKeptReceived of them.
    std::vector<WireByte> received() const;
    void clearReceived();

  private:
    struct Outgoing {
        std::uint8_t value;
        WireClock::time_point due;
    };

    void serve();
    void sendDue(WireClock::time_point now);
    void readMaster(WireClock::time_point now);
    void take(const std::uint8_t* bytes, int count, std::int32_t rate, WireClock::time_point now);
    void schedule(const Reply& reply, WireClock::time_point arrival);
    void readNotifications(WireClock::time_point now);
    std::optional<WireClock::time_point> nextWake() const;
    void flushReceived();
    void notify(const WireEvent& event) const;

    const std::int32_t listenRate_;
    const WireClock::duration byteTime_;

    // Serving thread only.
    Observer observer_;
    WireEvent pendingReceived_;  // bytes not yet reported to the observer
    WireClock::time_point lastReceived_;
    std::deque<Outgoing> outgoing_;
    WireClock::time_point lastDue_;
    int openCount_ = 0;
    std::int32_t sessionRate_ = 0;  // the host's rate since it opened, once seen
    bool closing_ = false;          // reading what the host sent before it closed
    bool hungUp_ = false;
    bool dropLogged_ = false;

    UniqueFd master_;
    UniqueFd notify_;
    UniqueFd stop_;
    std::string slavePath_;

    mutable std::mutex mutex_;  // guards model_ and received_
    TrackerModel model_;
    std::deque<WireByte> received_;

    std::thread thread_;
};

}  // namespace qz5
