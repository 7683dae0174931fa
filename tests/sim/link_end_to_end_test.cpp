// SPDX-License-Identifier: GPL-3.0-or-later
// The real serial back end and SerialLink against the simulated tracker.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "link/port_table.h"
#include "link/serial_link.h"
#include "sim/pty_tracker.h"
#include "sim/timed_port_api.h"
#include "sim/tracker_bytes.h"
#include "support/seen_messages.h"
#include "support/wait_until.h"

namespace qz5 {
namespace {

using testing::countingImage;
using testing::kVersionRequest;
using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

Bytes values(const std::vector<WireByte>& wire) {
    Bytes result;
    for (const auto& byte : wire) {
        result.push_back(byte.value);
    }
    return result;
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes result;
    for (const auto& part : parts) {
        result.insert(result.end(), part.begin(), part.end());
    }
    return result;
}

class LinkAgainstTracker : public ::testing::Test {
  protected:
    void start(TrackerModel model = TrackerModel()) {
        link.reset();
        tracker = std::make_unique<PtyTracker>(std::move(model));
        ports = PortTable({{"COM3", tracker->slavePath()}});
        link = std::make_unique<SerialLink>(api, ports);
        link->setPortName("COM3");
    }

    bool found() {
        reply.fill('\0');
        return static_cast<bool>(presenter(link->probeDevice(reply)));
    }

    // The shortest pause the host left between two consecutive bytes.
    std::chrono::nanoseconds shortestPause() const {
        std::chrono::nanoseconds shortest = std::chrono::hours(1);
        for (std::size_t i = 1; i < api.writes.size(); ++i) {
            shortest = std::min(
                shortest, std::chrono::nanoseconds(api.writes[i].before - api.writes[i - 1].after));
        }
        return shortest;
    }

    testing::SeenMessages presenter;
    testing::TimedPortApi api;
    std::unique_ptr<PtyTracker> tracker;
    PortTable ports;
    std::unique_ptr<SerialLink> link;
    std::array<char, 30> reply{};
};

TEST_F(LinkAgainstTracker, FindsATrackerAt4800) {
    start();
    EXPECT_TRUE(found());
    EXPECT_STREQ(reply.data(), TrackerModel::kDefaultVersionText);
    EXPECT_EQ(link->baudRate(), 4800);
    EXPECT_FALSE(link->isOpen());
    EXPECT_TRUE(presenter.shown.empty());
    const auto wire = tracker->received();
    EXPECT_EQ(values(wire), kVersionRequest);
    for (const auto& byte : wire) {
        EXPECT_EQ(byte.rate, 4800);
        EXPECT_TRUE(byte.heard);
    }
}

TEST_F(LinkAgainstTracker, FindsATrackerAt9600AfterTheRequestAt4800GoesUnheard) {
    start(TrackerModel(9600));
    EXPECT_TRUE(found());
    EXPECT_STREQ(reply.data(), TrackerModel::kDefaultVersionText);
    EXPECT_EQ(link->baudRate(), 9600);
    EXPECT_TRUE(presenter.shown.empty());
    const auto wire = tracker->received();
    ASSERT_EQ(values(wire), concat({kVersionRequest, kVersionRequest}));
    for (std::size_t i = 0; i < wire.size(); ++i) {
        EXPECT_EQ(wire[i].rate, i < 3 ? 4800 : 9600);
        EXPECT_EQ(wire[i].heard, i >= 3);
    }
}

TEST_F(LinkAgainstTracker, ReportsNotFoundWhenNoReplyIsAccepted) {
    for (const TrackerFaults faults :
         {TrackerFaults{.silent = true}, TrackerFaults{.wrongVersion = true}}) {
        SCOPED_TRACE(faults.silent ? "silent" : "wrong version");
        presenter.shown.clear();
        start();
        tracker->setFaults(faults);
        EXPECT_FALSE(found());
        EXPECT_EQ(presenter.shown, std::vector<Message>{{"Zelbin3 Not Found"}});
        EXPECT_EQ(link->baudRate(), 9600);
        EXPECT_EQ(values(tracker->received()), concat({kVersionRequest, kVersionRequest}));
    }
}

TEST_F(LinkAgainstTracker, ReadsTheSameImageTwice) {
    start(TrackerModel(9600));
    const auto image = countingImage(7);
    tracker->setMemory(image);
    link->setBaudRate(9600);
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(testing::countOf(presenter(link->readImageVerified(buffer))), 128);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), buffer.begin()));
    EXPECT_EQ(values(tracker->received()), (Bytes{0x1B, 0x55, 0x1B, 0x55}));
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(LinkAgainstTracker, ReadsThatDisagreeGiveNothing) {
    start();
    tracker->setFaults({.driftingReads = true});
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(testing::countOf(presenter(link->readImageVerified(buffer))), 0);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(LinkAgainstTracker, AShortReadBackTwiceAlikeGivesItsCount) {
    start();
    tracker->setFaults({.shortReadBack = true});
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(testing::countOf(presenter(link->readImageVerified(buffer))), 127);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(LinkAgainstTracker, AGapInTheReplyEndsTheRead) {
    start();
    tracker->setFaults({.replyGap = true});
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(testing::countOf(presenter(link->fetchImage(buffer))), 64);
    const auto memory = tracker->memory();
    EXPECT_TRUE(std::equal(memory.begin(), memory.begin() + 64, buffer.begin()));
}

TEST_F(LinkAgainstTracker, WritesPacedAndVerifiesTheImage) {
    start(TrackerModel(9600));
    link->setBaudRate(9600);
    const auto image = countingImage(7);
    EXPECT_TRUE(presenter(link->writeImageVerified(image)));
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(tracker->memory(), image);
    const Bytes imageBytes(image.begin(), image.end());
    EXPECT_EQ(values(tracker->received()),
              concat({{0x1B, 0x44, 0xAA, 0x55}, imageBytes, {0x1B, 0x55}}));
    EXPECT_EQ(api.writes.size(), 134u);
    EXPECT_GE(shortestPause(), 10ms);
}

TEST_F(LinkAgainstTracker, AWriteReadBackShortOrWrongFails) {
    const std::vector<std::pair<TrackerFaults, std::string>> cases{
        {{.shortReadBack = true}, "Write Failed (code 128 127)"},
        {{.corruptReadBack = true}, "Write Failed"}};
    for (const auto& [faults, message] : cases) {
        SCOPED_TRACE(message);
        presenter.shown.clear();
        start(TrackerModel(9600));
        tracker->setFaults(faults);
        link->setBaudRate(9600);
        EXPECT_FALSE(presenter(link->writeImageVerified(countingImage(7))));
        EXPECT_EQ(presenter.texts(), std::vector<std::string>{message});
    }
}

TEST_F(LinkAgainstTracker, TonesStopFirstAndPauseBeforeTheNext) {
    start();
    EXPECT_TRUE(presenter(link->sendTone(kToneBoth)));
    EXPECT_TRUE(testing::waitUntil([&] { return tracker->tone() == Tone::Both; }));
    EXPECT_TRUE(presenter(link->sendTone(kToneStop)));
    EXPECT_TRUE(testing::waitUntil([&] { return tracker->received().size() == 12; }));
    EXPECT_TRUE(testing::waitUntil([&] { return tracker->tone() == Tone::Off; }));
    EXPECT_TRUE(presenter.shown.empty());

    EXPECT_EQ(values(tracker->received()),
              (Bytes{0x1B, 0x1B, 0x78, 0x1B, 0x1B, 0x33, 0x1B, 0x1B, 0x78, 0x1B, 0x1B, 0x78}));
    for (const auto& byte : tracker->received()) {
        EXPECT_EQ(byte.rate, 4800);  // no probe has run: the rate set at construction
    }
    ASSERT_EQ(api.writes.size(), 12u);
    for (const std::size_t start : {std::size_t{0}, std::size_t{6}}) {
        const auto pause = api.writes[start + 3].before - api.writes[start + 2].after;
        EXPECT_GE(pause, 60ms);
        EXPECT_LT(pause, 200ms);
    }
}

}  // namespace
}  // namespace qz5
