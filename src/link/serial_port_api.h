// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "common/outcome.h"

namespace qz5 {

// Wide enough for a file descriptor and for a Windows HANDLE; -1 is closed on
// both (INVALID_HANDLE_VALUE has all bits set).
using PortHandle = std::intptr_t;
inline constexpr PortHandle kInvalidPortHandle = -1;

// Line settings the link reads, changes and applies. The back end keeps any
// platform setting not named here as it found it.
struct LineSettings {
    std::int32_t baudRate = 0;
    int dataBits = 8;
    bool parityEnabled = false;
    bool twoStopBits = false;
    bool ctsFlowControl = false;  // output held by CTS
    bool dsrFlowControl = false;  // output held by DSR
    bool dsrSensitivity = false;  // input ignored while DSR is low
    bool xonXoffOutput = false;
    bool xonXoffInput = false;
    bool dtrAsserted = false;
    bool rtsAsserted = false;
};

// Read and write time-outs in milliseconds. A read of N bytes ends when N have
// arrived, when readInterval passes between two bytes (timed from the first
// byte on), or after readTotalMultiplier * N + readTotalConstant in all.
// A write of N bytes gives up after writeTotalMultiplier * N + writeTotalConstant.
struct PortTimeouts {
    int readInterval = 0;
    int readTotalMultiplier = 0;
    int readTotalConstant = 0;
    int writeTotalMultiplier = 0;
    int writeTotalConstant = 0;
};

// Why a port did not open.
struct OpenFailure {
    FailureKind kind = FailureKind::PortFailed;
    Text reason;
};

// The operating system's serial calls, as the port layer needs them. Results
// follow the platform: true means the call succeeded. Tests replace this to
// provoke failures a real device cannot.
class SerialPortApi {
  public:
    virtual ~SerialPortApi() = default;

    // Opens a device for reading and writing with exclusive access.
    virtual PortHandle open(const std::string& devicePath) = 0;
    [[nodiscard]] virtual bool getLineSettings(PortHandle handle, LineSettings& settings) = 0;
    [[nodiscard]] virtual bool setLineSettings(PortHandle handle, const LineSettings& settings) = 0;
    [[nodiscard]] virtual bool setTimeouts(PortHandle handle, const PortTimeouts& timeouts) = 0;
    // Writes one byte; `written` is 0 when the write time-out ran out.
    [[nodiscard]] virtual bool writeByte(PortHandle handle, std::uint8_t byte, int& written) = 0;
    // One read under the time-outs; `received` may be 0 on a silent line.
    [[nodiscard]] virtual bool read(PortHandle handle, std::span<std::uint8_t> buffer,
                                    int& received) = 0;
    [[nodiscard]] virtual bool close(PortHandle handle) = 0;
    virtual void sleep(int milliseconds) = 0;
    // After a refused open: what kind of refusal it was, and why, in words a
    // user can act on (empty when the platform cannot tell).
    virtual OpenFailure openFailure(const std::string& devicePath) {
        static_cast<void>(devicePath);
        return {};
    }
    // What went wrong beside the exchange since the last call (a trace that
    // could not be written), for the front end to say once the command is
    // over; empty when nothing did.
    virtual Text takeSideFailure() { return {}; }
};

}  // namespace qz5
