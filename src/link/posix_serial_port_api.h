#pragma once

#include <map>
#include <mutex>

#include "link/serial_port_api.h"

namespace qz5 {

// Serial devices through termios and poll(). Opening never waits for a carrier
// and takes the device for this open file alone (TIOCEXCL and flock, since
// TIOCEXCL does not stop root). A device that goes away makes the call fail.
class PosixSerialPortApi final : public SerialPortApi {
  public:
    // The one the program's links share by default.
    static PosixSerialPortApi& instance();

    PortHandle open(const std::string& devicePath) override;
    bool getLineSettings(PortHandle handle, LineSettings& settings) override;
    // Raw 8-bit transfer; only 4800 and 9600 bit/s are supported.
    bool setLineSettings(PortHandle handle, const LineSettings& settings) override;
    bool setTimeouts(PortHandle handle, const PortTimeouts& timeouts) override;
    bool writeByte(PortHandle handle, std::uint8_t byte, int& written) override;
    bool read(PortHandle handle, std::span<std::uint8_t> buffer, int& received) override;
    bool close(PortHandle handle) override;
    void sleep(int milliseconds) override;

  private:
    // A handle whose time-outs were never set reads and writes only what can
    // move at once: no call may wait without a bound.
    PortTimeouts timeoutsOf(PortHandle handle);

    std::mutex mutex_;
    std::map<PortHandle, PortTimeouts> timeouts_;
};

}  // namespace qz5
