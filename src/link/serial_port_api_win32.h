// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "link/serial_port_api.h"

namespace qz5 {

// Serial ports through the Win32 communications calls, synchronously: no
// overlapped I/O, exclusive access by share mode 0, and the driver's own
// read and write time-outs. Closing gives a port back the settings it had
// when it was opened.
class Win32SerialPortApi final : public SerialPortApi {
  public:
    Win32SerialPortApi();
    ~Win32SerialPortApi() override;
    Win32SerialPortApi(const Win32SerialPortApi&) = delete;
    Win32SerialPortApi& operator=(const Win32SerialPortApi&) = delete;

    PortHandle open(const std::string& devicePath) override;
    [[nodiscard]] bool getLineSettings(PortHandle handle, LineSettings& settings) override;
    // Changes the settings read last on this handle, so that every field the
    // line settings do not name stays as the driver reported it.
    [[nodiscard]] bool setLineSettings(PortHandle handle, const LineSettings& settings) override;
    [[nodiscard]] bool setTimeouts(PortHandle handle, const PortTimeouts& timeouts) override;
    [[nodiscard]] bool writeByte(PortHandle handle, std::uint8_t byte, int& written) override;
    [[nodiscard]] bool read(PortHandle handle, std::span<std::uint8_t> buffer,
                            int& received) override;
    [[nodiscard]] bool close(PortHandle handle) override;
    void sleep(int milliseconds) override;
    // Tries the open again and puts the error Windows gives into words.
    OpenFailure openFailure(const std::string& devicePath) override;

  private:
    struct CommState;  // the DCB, kept out of this header with <windows.h>

    std::mutex mutex_;
    std::map<PortHandle, std::unique_ptr<CommState>> lastRead_;
    std::map<PortHandle, std::unique_ptr<CommState>> found_;  // the settings before ours
};

}  // namespace qz5
