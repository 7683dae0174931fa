// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/exchange_log.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>

#include "common/path_text.h"

namespace qz5 {

std::string formatWireEvent(const WireEvent& event, WireClock::time_point origin) {
    const auto elapsed = std::chrono::duration<double>(event.time - origin).count();
    std::array<char, 32> stamp{};
    std::snprintf(stamp.data(), stamp.size(), "+%.3fs", elapsed);
    std::string line = stamp.data();
    // Appended piece by piece: GCC 12 misreports "literal" + std::string at -O3.
    switch (event.kind) {
        case WireEvent::Kind::Opened:
        case WireEvent::Kind::Closed:
            line += event.kind == WireEvent::Kind::Opened ? " open" : " close";
            if (!event.note.empty()) {
                line += ' ';
                line += event.note;
            }
            return line;
        case WireEvent::Kind::RateChanged:
            line += " rate ";
            line += std::to_string(event.rate);
            return line;
        case WireEvent::Kind::Note:
            line += " note: ";
            line += event.note;
            return line;
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

ExchangeLog::ExchangeLog(std::ostream& out) : out_(out) {}

ExchangeLog::ExchangeLog(std::unique_ptr<std::ofstream> file)
    : file_(std::move(file)), out_(*file_) {}

std::unique_ptr<ExchangeLog> ExchangeLog::toFile(const std::string& path, std::string& error) {
    errno = 0;
    auto file =
        std::make_unique<std::ofstream>(pathFromText(path), std::ios::out | std::ios::trunc);
    if (!*file) {
        error = "cannot write the trace file " + path +
                (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string());
        return nullptr;
    }
    return std::unique_ptr<ExchangeLog>(new ExchangeLog(std::move(file)));
}

void ExchangeLog::record(WireEvent event) {
    const std::string line = formatWireEvent(event, origin_);
    const std::lock_guard lock(mutex_);
    // Flushed at once: the trace matters most when the program then fails.
    out_ << line << '\n' << std::flush;
}

void ExchangeLog::record(WireEvent::Kind kind, std::int32_t rate, std::vector<std::uint8_t> bytes,
                         std::string note) {
    record(WireEvent{kind, WireClock::now(), rate, true, std::move(bytes), std::move(note)});
}

}  // namespace qz5
