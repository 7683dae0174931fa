// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <termios.h>

#include <map>
#include <mutex>
#include <optional>
#include <set>

#include "link/open_refusal.h"
#include "link/serial_port_api.h"
#include "link/system_roots.h"

namespace qz5 {

// Serial devices through termios and poll(). Opening never waits for a carrier
// and takes the device only when no other program holds it: a live lock file,
// another open file's flock or another program's TIOCEXCL refuse it. A device
// that goes away makes the call fail.
class PosixSerialPortApi final : public SerialPortApi {
  public:
    explicit PosixSerialPortApi(SystemRoots roots = {});

    // The one the program's links share by default.
    static PosixSerialPortApi& instance();

    struct OpenAttempt {
        PortHandle handle = kInvalidPortHandle;
        OpenRefusal refusal;
    };
    OpenAttempt tryOpen(const std::string& devicePath);

    PortHandle open(const std::string& devicePath) override;
    [[nodiscard]] bool getLineSettings(PortHandle handle, LineSettings& settings) override;
    // Raw 8-bit transfer; only 4800 and 9600 bit/s are supported.
    [[nodiscard]] bool setLineSettings(PortHandle handle, const LineSettings& settings) override;
    [[nodiscard]] bool setTimeouts(PortHandle handle, const PortTimeouts& timeouts) override;
    [[nodiscard]] bool writeByte(PortHandle handle, std::uint8_t byte, int& written) override;
    [[nodiscard]] bool read(PortHandle handle, std::span<std::uint8_t> buffer,
                            int& received) override;
    // A handle is given to close() once only: Linux releases the descriptor
    // even when close() reports an error, and the number may be reused.
    [[nodiscard]] bool close(PortHandle handle) override;
    void sleep(int milliseconds) override;
    OpenFailure openFailure(const std::string& devicePath) override;

  private:
    struct OpenPort {
        PortTimeouts timeouts;  // none set yet: calls only move what can move at once
        bool weSetExclusive = false;
        std::optional<termios> found;  // the settings before ours
    };

    // Moves a new descriptor off numbers that a failed close left to a link,
    // so that a later close of that number can never hit this port.
    int avoidReleasedNumbers(int fd);
    PortTimeouts timeoutsOf(PortHandle handle);

    SystemRoots roots_;
    std::mutex mutex_;
    std::map<PortHandle, OpenPort> open_;
    std::set<PortHandle> released_;
};

}  // namespace qz5
