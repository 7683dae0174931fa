// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <cstdio>

#include "common/message_box.h"
#include "link/serial_link.h"
#include "link/version_reply.h"

namespace qz5 {

namespace {

constexpr std::uint8_t kEsc = 0x1B;
constexpr std::array<std::uint8_t, 3> kVersionRequest{kEsc, kEsc, 'V'};
constexpr std::array<std::uint8_t, 4> kWriteImage{kEsc, 'D', 0xAA, 0x55};
constexpr std::array<std::uint8_t, 2> kReadImage{kEsc, 'U'};

constexpr std::int32_t kFirstRate = 4800;
constexpr std::int32_t kSecondRate = 9600;
constexpr std::size_t kDrainBeforeWrite = 100;
constexpr std::size_t kReadBackCapacity = 200;
constexpr int kPauseBetweenTonesMs = 50;

std::span<std::uint8_t> asBytes(std::span<char> text) {
    return {reinterpret_cast<std::uint8_t*>(text.data()), text.size()};
}

// However a command ends, it holds no port afterwards: a successful one has
// closed it, a failed one lets it go here, without a further message.
class PortRelease {
  public:
    explicit PortRelease(SerialLink& link) : link_(link) {}
    ~PortRelease() { link_.releasePort(); }
    PortRelease(const PortRelease&) = delete;
    PortRelease& operator=(const PortRelease&) = delete;

  private:
    SerialLink& link_;
};

}  // namespace

bool SerialLink::queryVersion(std::span<char> reply) {
    const PortRelease release(*this);
    if (openPort()) {
        return true;
    }
    // One byte stays free for the terminator; a buffer with no room at all
    // reads nothing and so is rejected like an empty reply.
    const auto text = asBytes(reply.first(reply.empty() ? 0 : reply.size() - 1));
    readBytes(text);  // whatever the line held before the request is stale
    if (writeBytes(kVersionRequest)) {
        static_cast<void>(closePort());  // the command has failed already
        return true;
    }
    const auto count = static_cast<std::size_t>(readBytes(text));
    if (!reply.empty()) {
        reply[count] = '\0';
    }
    if (!isAcceptedVersionReply({reply.data(), count})) {
        return true;  // silent
    }
    return closePort();
}

bool SerialLink::probeDevice(std::span<char> reply) {
    for (const std::int32_t rate : {kFirstRate, kSecondRate}) {
        setBaudRate(rate);
        beginStep({.step = LinkProgress::Step::Probing, .baudRate = rate});
        if (!queryVersion(reply)) {
            return false;
        }
    }
    return reportError("Zelbin3 Not Found");
}

bool SerialLink::sendImage(std::span<const std::uint8_t> data) {
    const PortRelease release(*this);
    if (openPort()) {
        return true;
    }
    std::array<std::uint8_t, kDrainBeforeWrite> scratch{};
    readBytes(scratch);
    beginStep({.step = LinkProgress::Step::Writing,
               .total = static_cast<std::int32_t>(kWriteImage.size() + data.size())});
    if (writeBytes(kWriteImage) || writeBytes(data)) {
        static_cast<void>(closePort());  // the command has failed already
        return true;
    }
    return closePort();
}

std::int32_t SerialLink::fetchImage(std::span<std::uint8_t> buffer) {
    const PortRelease release(*this);
    if (openPort()) {
        return 0;
    }
    readBytes(buffer);  // drained bytes are overwritten by the reply
    if (writeBytes(kReadImage)) {
        static_cast<void>(closePort());  // the command has failed already
        return 0;
    }
    const std::int32_t count = readBytes(buffer);
    if (closePort()) {
        return 0;
    }
    return count;
}

bool SerialLink::writeImageVerified(std::span<const std::uint8_t> data) {
    if (sendImage(data)) {
        return true;
    }
    beginStep({.step = LinkProgress::Step::ReadingBack});
    std::array<std::uint8_t, kReadBackCapacity> readBack{};
    const std::int32_t back = fetchImage(readBack);
    const auto sent = static_cast<std::int32_t>(data.size());
    if (back != sent) {
        std::array<char, 100> message{};
        std::snprintf(message.data(), message.size(), "Write Failed (code %d %d)", sent, back);
        return reportError(message.data());
    }
    if (!std::equal(data.begin(), data.end(), readBack.begin())) {
        return reportError("Write Failed");
    }
    return false;
}

std::int32_t SerialLink::readImageVerified(std::span<std::uint8_t> buffer) {
    beginStep({.step = LinkProgress::Step::Reading});
    const std::int32_t first = fetchImage(buffer);
    if (first == 0) {
        return 0;
    }
    beginStep({.step = LinkProgress::Step::ReadingAgain});
    std::array<std::uint8_t, kReadBackCapacity> second{};
    if (fetchImage(second) != first) {
        return 0;
    }
    if (!std::equal(second.begin(), second.begin() + first, buffer.begin())) {
        return 0;
    }
    return first;
}

bool SerialLink::sendTone(std::uint8_t code) {
    beginStep({.step = code == kToneStop ? LinkProgress::Step::StoppingTone
                                         : LinkProgress::Step::StartingTone});
    const PortRelease release(*this);
    toneSent_ = false;
    if (openPort()) {
        return true;
    }
    const std::array<std::uint8_t, 3> stop{kEsc, kEsc, kToneStop};
    const std::array<std::uint8_t, 3> start{kEsc, kEsc, code};
    if (writeBytes(stop)) {
        static_cast<void>(closePort());  // the command has failed already
        return true;
    }
    api_.sleep(kPauseBetweenTonesMs);
    if (writeBytes(start)) {
        static_cast<void>(closePort());  // the command has failed already
        return true;
    }
    toneSent_ = true;
    return closePort();
}

}  // namespace qz5
