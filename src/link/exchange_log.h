// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "common/private_output_file.h"

namespace qz5 {

using WireClock = std::chrono::steady_clock;

// Something that happened on the line: the port opened or closed, its rate
// changed, or bytes went one way or the other. "Sent" and "Received" are seen
// from whoever writes the log: the simulated tracker, or the host's trace.
// A note is the logger's own remark, in `note`.
struct WireEvent {
    enum class Kind { Opened, Closed, Received, Sent, RateChanged, Note };

    Kind kind = Kind::Opened;
    WireClock::time_point time;
    std::int32_t rate = 0;
    bool heard = true;
    std::vector<std::uint8_t> bytes;
    std::string note;  // the device, or why an open failed
};

// One line of the log, timed from `origin`, bytes in hex:
// "+1.234s 4800 rx 1B 1B 56", "+1.262s 4800 tx 4F 56 ...", "+0.000s open",
// "+0.000s rate 9600", "+2.500s note: ...". Bytes sent at a rate the tracker does not listen at end
// in "(ignored)".
std::string formatWireEvent(const WireEvent& event, WireClock::time_point origin);

// Writes one line per event, timed from its own creation, to a stream or a
// file. Events may come from any thread. A write that fails never stops the
// exchange being logged: it is kept, and said once the exchange is over.
class ExchangeLog {
  public:
    explicit ExchangeLog(std::ostream& out);
    // The trace file at `path` (see PrivateOutputFile); null, with `error`
    // saying why, when it cannot be written.
    static std::unique_ptr<ExchangeLog> toFile(
        const std::string& path, Text& error,
        PrivateOutputFile::Emptying emptying = PrivateOutputFile::Emptying::AtOpen);
    // The same, through a file opened elsewhere; `name` is the file's name
    // for messages.
    ExchangeLog(std::unique_ptr<PrivateOutputFile> file, std::string name);

    void record(const WireEvent& event);
    // The same, stamped now.
    void record(WireEvent::Kind kind, std::int32_t rate, std::vector<std::uint8_t> bytes = {},
                std::string note = {});

    // "cannot write the trace file PATH: reason" when a write failed since the
    // last call, else empty.
    Text takeWriteFailure();

  private:
    std::unique_ptr<PrivateOutputFile> file_;
    std::string name_;
    std::ostream* out_ = nullptr;
    const WireClock::time_point origin_ = WireClock::now();
    std::mutex mutex_;
    Text failure_;
};

}  // namespace qz5
