// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <cstdio>

#include "link/serial_link.h"
#include "link/version_reply.h"

namespace qz5 {

namespace {

constexpr std::uint8_t kEsc = 0x1B;
constexpr std::array<std::uint8_t, 3> kVersionRequest{kEsc, kEsc, 'V'};
constexpr std::array<std::uint8_t, 4> kWriteImage{kEsc, 'D', 0xAA, 0x55};
constexpr std::array<std::uint8_t, 2> kReadImage{kEsc, 'U'};

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

// A failed step ends the command: the port is closed after it, and what the
// close raises follows the step's own message.
Outcome<> endAfter(Outcome<> failed, SerialLink& link, Notices raised) {
    return std::move(failed).after(std::move(raised)).also(link.closePort());
}

}  // namespace

Outcome<> SerialLink::queryVersion(std::span<char> reply) {
    const PortRelease release(*this);
    Outcome<> opened = openPort();
    if (!opened) {
        return opened;
    }
    Notices raised = std::move(opened).takeMessages();
    // One byte stays free for the terminator; a buffer with no room at all
    // reads nothing and so is rejected like an empty reply.
    const auto text = asBytes(reply.first(reply.empty() ? 0 : reply.size() - 1));
    collect(raised, readBytes(text));  // whatever the line held before the request is stale
    if (Outcome<> sent = writeBytes(kVersionRequest); !sent) {
        return endAfter(std::move(sent), *this, std::move(raised));
    }
    const Outcome<std::int32_t> received = collect(raised, readBytes(text));
    const auto count = received ? static_cast<std::size_t>(*received) : std::size_t{0};
    if (!reply.empty()) {
        reply[count] = '\0';
    }
    if (!isAcceptedVersionReply({reply.data(), count})) {
        return Outcome<>(Failure{FailureKind::NotFound, {}}).after(std::move(raised));
    }
    return closePort().after(std::move(raised));
}

Outcome<> SerialLink::probeDevice(std::span<char> reply) {
    Notices raised;
    FailureKind kind = FailureKind::NotFound;
    for (const std::int32_t rate : kProbeRates) {
        setBaudRate(rate);
        beginStep({.step = LinkProgress::Step::Probing, .baudRate = rate});
        Outcome<> answered = queryVersion(reply);
        if (answered) {
            return std::move(answered).after(std::move(raised));
        }
        kind = answered.failure()->kind;
        collect(raised, answered);
    }
    return Outcome<>(Failure{kind, {say("Link", "Zelbin3 Not Found")}}).after(std::move(raised));
}

Outcome<> SerialLink::sendImage(std::span<const std::uint8_t> data) {
    const PortRelease release(*this);
    Outcome<> opened = openPort();
    if (!opened) {
        return opened;
    }
    Notices raised = std::move(opened).takeMessages();
    std::array<std::uint8_t, kDrainBeforeWrite> scratch{};
    collect(raised, readBytes(scratch));
    beginStep({.step = LinkProgress::Step::Writing,
               .total = static_cast<std::int32_t>(kWriteImage.size() + data.size())});
    Outcome<> sent = writeBytes(kWriteImage);
    if (sent) {
        sent = writeBytes(data);
    }
    if (!sent) {
        return endAfter(std::move(sent), *this, std::move(raised));
    }
    return closePort().after(std::move(raised));
}

Outcome<std::int32_t> SerialLink::fetchImage(std::span<std::uint8_t> buffer) {
    const PortRelease release(*this);
    Outcome<> opened = openPort();
    if (!opened) {
        return Outcome<std::int32_t>(std::move(opened));
    }
    Notices raised = std::move(opened).takeMessages();
    collect(raised, readBytes(buffer));  // drained bytes are overwritten by the reply
    if (Outcome<> sent = writeBytes(kReadImage); !sent) {
        return Outcome<std::int32_t>(endAfter(std::move(sent), *this, std::move(raised)));
    }
    Outcome<std::int32_t> received = readBytes(buffer);
    Outcome<> closed = closePort();
    if (received && !closed) {
        return Outcome<std::int32_t>(std::move(closed)).after(std::move(raised));
    }
    return std::move(received).after(std::move(raised)).also(closed);
}

Outcome<> SerialLink::writeImageVerified(std::span<const std::uint8_t> data) {
    Outcome<> sent = sendImage(data);
    if (!sent) {
        return sent;
    }
    Notices raised = std::move(sent).takeMessages();
    beginStep({.step = LinkProgress::Step::ReadingBack});
    std::array<std::uint8_t, kReadBackCapacity> readBack{};
    const Outcome<std::int32_t> fetched = collect(raised, fetchImage(readBack));
    const std::int32_t back = fetched ? *fetched : 0;
    const auto sentCount = static_cast<std::int32_t>(data.size());
    if (back != sentCount) {
        return Outcome<>(Failure{FailureKind::VerifyFailed,
                                 {say("Link", "Write Failed (code %1 %2)")
                                      .with(std::to_string(sentCount), std::to_string(back))}})
            .after(std::move(raised));
    }
    if (!std::equal(data.begin(), data.end(), readBack.begin())) {
        return Outcome<>(Failure{FailureKind::VerifyFailed, {say("Link", "Write Failed")}})
            .after(std::move(raised));
    }
    return Outcome<>().after(std::move(raised));
}

Outcome<std::int32_t> SerialLink::readImageVerified(std::span<std::uint8_t> buffer, bool keeping) {
    beginStep({.step = LinkProgress::Step::Reading, .keeping = keeping});
    Outcome<std::int32_t> first = fetchImage(buffer);
    if (!first) {
        return first;
    }
    const std::int32_t size = *first;
    Notices raised = std::move(first).takeMessages();
    if (size == 0) {
        return Outcome<std::int32_t>(Failure{FailureKind::ReadFailed, {}}).after(std::move(raised));
    }
    beginStep({.step = LinkProgress::Step::ReadingAgain, .keeping = keeping});
    std::array<std::uint8_t, kReadBackCapacity> second{};
    Outcome<std::int32_t> again = fetchImage(second);
    if (!again) {
        return std::move(again).after(std::move(raised));
    }
    collect(raised, again);
    if (*again != size || !std::equal(second.begin(), second.begin() + size, buffer.begin())) {
        // A read that gave two answers: the line, not a write, is to blame.
        return Outcome<std::int32_t>(Failure{FailureKind::ReadsDiffer, {}})
            .after(std::move(raised));
    }
    return Outcome<std::int32_t>(size).after(std::move(raised));
}

Outcome<> SerialLink::sendTone(std::uint8_t code) {
    beginStep({.step = code == kToneStop ? LinkProgress::Step::StoppingTone
                                         : LinkProgress::Step::StartingTone});
    const PortRelease release(*this);
    toneSent_ = false;
    Outcome<> opened = openPort();
    if (!opened) {
        return opened;
    }
    Notices raised = std::move(opened).takeMessages();
    const std::array<std::uint8_t, 3> stop{kEsc, kEsc, kToneStop};
    const std::array<std::uint8_t, 3> start{kEsc, kEsc, code};
    if (Outcome<> sent = writeBytes(stop); !sent) {
        return endAfter(std::move(sent), *this, std::move(raised));
    }
    api_.sleep(kPauseBetweenTonesMs);
    if (Outcome<> sent = writeBytes(start); !sent) {
        return endAfter(std::move(sent), *this, std::move(raised));
    }
    toneSent_ = true;
    return closePort().after(std::move(raised));
}

}  // namespace qz5
