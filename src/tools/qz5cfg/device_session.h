// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "tools/qz5cfg/exit_status.h"
#include "tools/qz5cfg/record_source.h"

namespace qz5 {

class ExchangeLog;
class SerialLink;

// The serial port a device command talks on, with the run's trace when
// --trace asked for one.
class DeviceSession {
  public:
    DeviceSession();
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // The trace file, opened when a command first talks to a tracker (no
    // other command touches it) and kept for the rest of the run.
    void traceTo(const std::string& path) { tracePath_ = path; }

    // Runs `command` on a link to `port` (COM name, device path, or auto for
    // the one port where the tracker answers); the steps show on stderr
    // unless `quiet` or nobody watches it.
    ExitStatus onDevice(const std::string& port, bool quiet,
                        const std::function<ExitStatus(SerialLink&)>& command);

    // Reads a tracker:PORT side of diff or check; only version, read and
    // write show their steps.
    TrackerImageReader quietTrackerReader();

  private:
    std::string tracePath_;
    std::unique_ptr<ExchangeLog> trace_;
};

}  // namespace qz5
