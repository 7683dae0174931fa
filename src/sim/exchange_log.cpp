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
        // Appended piece by piece: GCC 12 misreports "literal" + std::string at -O3.
        case WireEvent::Kind::Received:
        case WireEvent::Kind::Sent:
            line += ' ';
            line += std::to_string(event.rate);
            line += event.kind == WireEvent::Kind::Received ? " rx" : " tx";
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
