// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/exchange_log.h"
#include "link/serial_port_api.h"

namespace qz5 {

// Passes every call to the real port layer and logs what crossed the line:
// opens and closes with the device, rate changes, every byte written and
// every run of bytes read, so a failed exchange can be judged from a file.
class TracedPortApi : public SerialPortApi {
  public:
    TracedPortApi(SerialPortApi& inner, ExchangeLog& log) : inner_(inner), log_(log) {}

    PortHandle open(const std::string& devicePath) override;
    [[nodiscard]] bool getLineSettings(PortHandle handle, LineSettings& settings) override;
    [[nodiscard]] bool setLineSettings(PortHandle handle, const LineSettings& settings) override;
    [[nodiscard]] bool setTimeouts(PortHandle handle, const PortTimeouts& timeouts) override;
    [[nodiscard]] bool writeByte(PortHandle handle, std::uint8_t byte, int& written) override;
    [[nodiscard]] bool read(PortHandle handle, std::span<std::uint8_t> buffer,
                            int& received) override;
    [[nodiscard]] bool close(PortHandle handle) override;
    void sleep(int milliseconds) override;
    OpenFailure openFailure(const std::string& devicePath) override {
        return inner_.openFailure(devicePath);
    }
    Text takeSideFailure() override { return log_.takeWriteFailure(); }

  private:
    SerialPortApi& inner_;
    ExchangeLog& log_;
    std::int32_t rate_ = 0;
};

}  // namespace qz5
