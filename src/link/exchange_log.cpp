// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/exchange_log.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <utility>

#include "common/outside_text.h"

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

namespace {

Text cannotWrite(const std::string& path, Text reason) {
    return say("Files", "cannot write the trace file %1: %2")
        .with(printableText(path), std::move(reason));
}

}  // namespace

ExchangeLog::ExchangeLog(std::ostream& out) : out_(&out) {}

ExchangeLog::ExchangeLog(std::unique_ptr<PrivateOutputFile> file, std::string name)
    : file_(std::move(file)), name_(std::move(name)) {}

std::unique_ptr<ExchangeLog> ExchangeLog::toFile(const std::string& path, Text& error,
                                                 PrivateOutputFile::Emptying emptying) {
    Text reason;
    auto file = PrivateOutputFile::open(path, reason, emptying);
    if (!file) {
        error = cannotWrite(path, std::move(reason));
        return nullptr;
    }
    return std::make_unique<ExchangeLog>(std::move(file), path);
}

void ExchangeLog::record(const WireEvent& event) {
    std::string line = formatWireEvent(event, origin_);
    line += '\n';
    const std::lock_guard lock(mutex_);
    // Written at once: the trace matters most when the program then fails.
    Text reason;
    if (file_ ? file_->write(line, reason) : static_cast<bool>(*out_ << line << std::flush)) {
        return;
    }
    if (failure_.empty()) {
        failure_ = file_ ? cannotWrite(name_, std::move(reason))
                         : say("Files", "cannot write the trace: the stream failed");
    }
}

Text ExchangeLog::takeWriteFailure() {
    const std::lock_guard lock(mutex_);
    return std::exchange(failure_, {});
}

void ExchangeLog::record(WireEvent::Kind kind, std::int32_t rate, std::vector<std::uint8_t> bytes,
                         std::string note) {
    record(WireEvent{kind, WireClock::now(), rate, true, std::move(bytes), std::move(note)});
}

}  // namespace qz5
