// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "link/serial_port_api_posix.h"

namespace qz5::testing {

// The real serial back end, noting when each byte was handed to the line.
// A byte enters the line between `before` and `after`, so the time between
// one byte's `after` and the next one's `before` is a pause it surely had.
class TimedPortApi final : public SerialPortApi {
  public:
    using Clock = std::chrono::steady_clock;
    struct Write {
        std::uint8_t value;
        Clock::time_point before;
        Clock::time_point after;
    };

    PortHandle open(const std::string& devicePath) override { return real_.open(devicePath); }
    bool getLineSettings(PortHandle handle, LineSettings& settings) override {
        return real_.getLineSettings(handle, settings);
    }
    bool setLineSettings(PortHandle handle, const LineSettings& settings) override {
        return real_.setLineSettings(handle, settings);
    }
    bool setTimeouts(PortHandle handle, const PortTimeouts& timeouts) override {
        return real_.setTimeouts(handle, timeouts);
    }
    bool writeByte(PortHandle handle, std::uint8_t byte, int& written) override {
        const auto before = Clock::now();
        const bool ok = real_.writeByte(handle, byte, written);
        writes.push_back({byte, before, Clock::now()});
        return ok;
    }
    bool read(PortHandle handle, std::span<std::uint8_t> buffer, int& received) override {
        return real_.read(handle, buffer, received);
    }
    bool close(PortHandle handle) override { return real_.close(handle); }
    void sleep(int milliseconds) override { real_.sleep(milliseconds); }

    std::vector<Write> writes;

  private:
    PosixSerialPortApi real_;
};

}  // namespace qz5::testing
