#include "sim/exchange_log.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace qz5 {

std::string formatWireEvent(const WireEvent& event, WireClock::time_point origin) {
    const auto elapsed = std::chrono::duration<double>(event.time - origin).count();
    std::array<char, 32> stamp{};
    std::snprintf(stamp.data(), stamp.size(), "+%.3fs", elapsed);
    std::string line = stamp.data();
    switch (event.kind) {
        case WireEvent::Kind::Opened:
            return line + " open";
        case WireEvent::Kind::Closed:
            return line + " close";
        case WireEvent::Kind::Received:
            line += " " + std::to_string(event.rate) + " rx";
            break;
        case WireEvent::Kind::Sent:
            line += " " + std::to_string(event.rate) + " tx";
            break;
    }
    for (const auto byte : event.bytes) {
        std::array<char, 4> hex{};
        std::snprintf(hex.data(), hex.size(), " %02X", static_cast<unsigned>(byte));
        line += hex.data();
    }
    if (!event.heard) {
        line += " (ignored)";
    }
    return line;
}

}  // namespace qz5
