// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/pty_tracker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sim/raw_host.h"
#include "sim/tracker_bytes.h"
#include "support/wait_until.h"

namespace qz5 {
namespace {

using testing::kReadRequest;
using testing::kVersionRequest;
using testing::textBytes;
using namespace std::chrono_literals;
using testing::RawHost;
using testing::valuesOf;
using Bytes = std::vector<std::uint8_t>;

const Bytes kVersionReply = textBytes(TrackerModel::kDefaultVersionText);

// Lets a test wait for what the serving thread reports.
class EventLog {
  public:
    PtyTracker::Observer observer() {
        return [this](const WireEvent& event) {
            std::lock_guard lock(mutex_);
            events_.push_back(event);
            changed_.notify_all();
        };
    }

    std::vector<WireEvent> waitForCount(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 2s, [&] { return events_.size() >= count; });
        return events_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<WireEvent> events_;
};

TEST(PtyTracker, HearsOnlyBytesSentAtTheRateItListensAt) {
    PtyTracker tracker(TrackerModel(9600));
    RawHost host(tracker.slavePath(), B4800);
    host.send(kVersionRequest);
    EXPECT_TRUE(host.collect(1, 150ms).empty());

    // The same open port, switched to the tracker's rate.
    host.setSpeed(B9600);
    host.send(kVersionRequest);
    EXPECT_EQ(valuesOf(host.collect(kVersionReply.size(), 500ms)), kVersionReply);

    const auto received = tracker.received();
    ASSERT_EQ(received.size(), 6u);
    for (std::size_t i = 0; i < received.size(); ++i) {
        EXPECT_EQ(received[i].value, kVersionRequest[i % 3]);
        EXPECT_EQ(received[i].rate, i < 3 ? 4800 : 9600);
        EXPECT_EQ(received[i].heard, i >= 3);
        if (i > 0) {
            EXPECT_LE(received[i - 1].time, received[i].time);
        }
    }
    tracker.clearReceived();
    EXPECT_TRUE(tracker.received().empty());
}

TEST(PtyTracker, PacesRepliesAtTheLineRate) {
    for (const auto& [rate, speed] : {std::pair{4800, B4800}, std::pair{9600, B9600}}) {
        SCOPED_TRACE(rate);
        PtyTracker tracker{TrackerModel(rate)};
        RawHost host(tracker.slavePath(), speed);
        const auto sent = host.send(kReadRequest);
        const auto arrivals = host.collect(128, 1s);
        ASSERT_EQ(arrivals.size(), 128u);
        // The command's last byte and then each reply byte take 10 bits of line time.
        const auto byteTime = std::chrono::nanoseconds(10'000'000'000LL / rate);
        EXPECT_GE(arrivals.front().time - sent, 2 * byteTime);
        EXPECT_GE(arrivals.back().time - sent, 129 * byteTime);
        EXPECT_LT(arrivals.back().time - sent, 129 * byteTime + 150ms);
    }
}

TEST(PtyTracker, ReportsEachExchangeToItsObserver) {
    EventLog log;
    PtyTracker tracker(TrackerModel(), log.observer());
    {
        RawHost host(tracker.slavePath(), B4800);
        host.send({0x00});  // noise before the command is part of the same run of bytes
        host.send(kVersionRequest);
        host.collect(kVersionReply.size(), 500ms);
    }
    const auto events = log.waitForCount(4);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].kind, WireEvent::Kind::Opened);
    EXPECT_EQ(events[1].kind, WireEvent::Kind::Received);
    EXPECT_EQ(events[1].bytes, (Bytes{0x00, 0x1B, 0x1B, 0x56}));
    EXPECT_EQ(events[1].rate, 4800);
    EXPECT_TRUE(events[1].heard);
    EXPECT_EQ(events[2].kind, WireEvent::Kind::Sent);
    EXPECT_EQ(events[2].bytes, kVersionReply);
    EXPECT_EQ(events[3].kind, WireEvent::Kind::Closed);
    EXPECT_LE(events[1].time, events[2].time);
}

// A host that sends without end costs a bounded amount of memory, and the
// log still shows every byte.
TEST(PtyTracker, KeepsOnlyTheNewestBytesOfAHostThatNeverStopsAndSaysSo) {
    EventLog log;
    PtyTracker tracker(TrackerModel(), log.observer());
    RawHost host(tracker.slavePath(), B4800);
    Bytes noise(PtyTracker::kKeptReceived * 2 + 100);
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<std::uint8_t>('a' + i % 26);
    }
    host.send(noise);
    ASSERT_TRUE(testing::waitUntil([&] {
        const auto kept = tracker.received();
        return !kept.empty() && kept.back().value == noise.back() &&
               kept.size() == PtyTracker::kKeptReceived;
    }));
    EXPECT_EQ(tracker.received().front().value, noise[noise.size() - PtyTracker::kKeptReceived]);

    std::size_t logged = 0;
    std::size_t notes = 0;
    ASSERT_TRUE(testing::waitUntil([&] {
        logged = 0;
        notes = 0;
        for (const WireEvent& event : log.waitForCount(0)) {
            EXPECT_LE(event.bytes.size(), PtyTracker::kKeptReceived);
            logged += event.kind == WireEvent::Kind::Received ? event.bytes.size() : 0;
            notes += event.kind == WireEvent::Kind::Note;
        }
        return logged == noise.size();
    }));
    EXPECT_EQ(notes, 1u);
}

TEST(PtyTracker, AnswersAgainAfterTheHostClosesAndReopens) {
    PtyTracker tracker;
    const auto before = tracker.memory();
    {
        RawHost host(tracker.slavePath(), B4800);
        host.send({0x1B, 0x44, 0xAA, 0x55, 0x01, 0x02, 0x03});  // cut short by the close
    }
    std::this_thread::sleep_for(50ms);
    RawHost host(tracker.slavePath(), B4800);
    host.send(kReadRequest);
    const auto image = valuesOf(host.collect(128, 1s));
    EXPECT_EQ(image, Bytes(before.begin(), before.end()));
    EXPECT_EQ(tracker.memory(), before);
}

TEST(PtyTracker, TakesMemoryAndFaultChangesWhileServing) {
    PtyTracker tracker;
    RawHost host(tracker.slavePath(), B4800);

    ConfigImage image{};
    image.fill(0x5A);
    tracker.setMemory(image);
    host.send(kReadRequest);
    EXPECT_EQ(valuesOf(host.collect(128, 1s)), Bytes(image.begin(), image.end()));

    tracker.setFaults({.silent = true});
    EXPECT_TRUE(tracker.faults().silent);
    host.send(kVersionRequest);
    EXPECT_TRUE(host.collect(1, 150ms).empty());

    host.send({0x1B, 0x1B, 0x32});
    EXPECT_TRUE(testing::waitUntil([&] { return tracker.tone() == Tone::High; }));
}

}  // namespace
}  // namespace qz5
