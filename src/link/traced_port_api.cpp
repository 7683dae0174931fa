// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/traced_port_api.h"

namespace qz5 {

using Kind = WireEvent::Kind;

PortHandle TracedPortApi::open(const std::string& devicePath) {
    const PortHandle handle = inner_.open(devicePath);
    log_.record(Kind::Opened, 0, {}, devicePath + (handle == kInvalidPortHandle ? " failed" : ""));
    return handle;
}

bool TracedPortApi::getLineSettings(PortHandle handle, LineSettings& settings) {
    return inner_.getLineSettings(handle, settings);
}

bool TracedPortApi::setLineSettings(PortHandle handle, const LineSettings& settings) {
    const bool ok = inner_.setLineSettings(handle, settings);
    if (ok && settings.baudRate != rate_) {
        rate_ = settings.baudRate;
        log_.record(Kind::RateChanged, rate_);
    }
    return ok;
}

bool TracedPortApi::setTimeouts(PortHandle handle, const PortTimeouts& timeouts) {
    return inner_.setTimeouts(handle, timeouts);
}

bool TracedPortApi::writeByte(PortHandle handle, std::uint8_t byte, int& written) {
    const bool ok = inner_.writeByte(handle, byte, written);
    if (ok && written > 0) {
        log_.record(Kind::Sent, rate_, {byte});
    }
    return ok;
}

bool TracedPortApi::read(PortHandle handle, std::span<std::uint8_t> buffer, int& received) {
    const bool ok = inner_.read(handle, buffer, received);
    if (ok && received > 0) {
        const auto bytes = buffer.first(static_cast<std::size_t>(received));
        log_.record(Kind::Received, rate_, {bytes.begin(), bytes.end()});
    }
    return ok;
}

bool TracedPortApi::close(PortHandle handle) {
    const bool ok = inner_.close(handle);
    log_.record(Kind::Closed, 0, {}, ok ? "" : "failed");
    return ok;
}

void TracedPortApi::sleep(int milliseconds) {
    inner_.sleep(milliseconds);
}

}  // namespace qz5
