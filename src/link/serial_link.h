// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "common/outcome.h"
#include "link/link_progress.h"
#include "link/serial_port_api.h"

namespace qz5 {

class PortTable;

// The one object through which the program talks to the tracker: the port
// layer (open, paced writes, timed reads, close) and the tracker's commands.
// Nothing here shows a message: each operation returns its outcome, with the
// messages for the user in the order they arose.
class SerialLink {
  public:
    // Real serial devices, names resolved through the system's port table.
    SerialLink();
    SerialLink(SerialPortApi& api, const PortTable& ports);
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Port layer.
    void setPortName(std::string_view name);  // keeps at most 9 characters
    void setBaudRate(std::int32_t rate);      // takes effect at the next openPort
    bool portExists(std::string_view name) const;
    // Why a port cannot be opened now, for a person; no message is shown.
    Text portFailure(std::string_view name) const;
    Outcome<> openPort();
    Outcome<> writeBytes(std::span<const std::uint8_t> data);
    // The bytes received; none on a silent line.
    Outcome<std::int32_t> readBytes(std::span<std::uint8_t> buffer);
    Outcome<> closePort();
    // Lets go of a port that a failed step left open, without a message; the
    // link counts as closed afterwards. While this program holds a port, no
    // other program can use the device.
    void releasePort();

    // Tracker commands. One that fails leaves no port open.
    // Fails with "Zelbin3 Not Found" after the messages of both rates; its kind
    // is that of the last rate's failure, NotFound when the tracker was silent.
    Outcome<> probeDevice(std::span<char> reply);
    // A reply that is no version reply fails quietly, as NotFound.
    Outcome<> queryVersion(std::span<char> reply);
    Outcome<> sendImage(std::span<const std::uint8_t> data);
    // The bytes of the reply; none when the tracker kept silent.
    Outcome<std::int32_t> fetchImage(std::span<std::uint8_t> buffer);
    Outcome<> writeImageVerified(std::span<const std::uint8_t> data);
    // The image read twice; two reads that differ, or none, fail quietly.
    // `keeping` names the steps as a read before a write.
    Outcome<std::int32_t> readImageVerified(std::span<std::uint8_t> buffer, bool keeping = false);
    Outcome<> sendTone(std::uint8_t code);
    // Whether the last sendTone put its code on the line, whatever failed after.
    bool toneSent() const { return toneSent_; }

    // Names resolve through `ports` from now on; it must outlive the link.
    void setPortTable(const PortTable& ports) { ports_ = &ports; }
    const PortTable& portTable() const { return *ports_; }

    const char* portName() const { return portName_.data(); }
    std::int32_t baudRate() const { return baudRate_; }
    bool isOpen() const { return portHandle_ != kInvalidPortHandle; }

    // See SerialPortApi::takeSideFailure.
    Text takeSideFailure() { return api_.takeSideFailure(); }

    // Told of every step of the tracker commands and of every byte written;
    // an empty callback silences it.
    void setProgressCallback(ProgressCallback callback) { onProgress_ = std::move(callback); }

  private:
    void beginStep(const LinkProgress& step);

    ProgressCallback onProgress_;
    LinkProgress progress_;
    std::array<char, 10> portName_{};
    std::int32_t baudRate_ = 4800;
    PortHandle portHandle_ = kInvalidPortHandle;
    bool toneSent_ = false;
    SerialPortApi& api_;
    const PortTable* ports_;
};

// The rates the probe asks at, in order.
inline constexpr std::array<std::int32_t, 2> kProbeRates{4800, 9600};

// Tone command codes, as the window's buttons send them.
inline constexpr std::uint8_t kToneLow = 0x31;
inline constexpr std::uint8_t kToneHigh = 0x32;
inline constexpr std::uint8_t kToneBoth = 0x33;
inline constexpr std::uint8_t kToneStop = 0x78;

}  // namespace qz5
