// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <numeric>
#include <optional>

#include "link/port_table.h"
#include "link/serial_link.h"
#include "support/fake_serial_port_api.h"
#include "support/seen_messages.h"

namespace qz5 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Calls = std::vector<std::string>;
using Texts = std::vector<std::string>;

using testing::kFakeDevice;

Bytes text(std::string_view s) {
    return {s.begin(), s.end()};
}

Bytes testImage() {
    Bytes image(128);
    std::iota(image.begin(), image.end(), std::uint8_t{0x40});
    return image;
}

// Builds the expected call log of one exchange from its pieces.
class Exchange {
  public:
    Exchange& open(int rate) {
        return add(
            {std::string("open ") + kFakeDevice, "get", "set " + std::to_string(rate), "timeouts"});
    }
    Exchange& read(int capacity) { return add({"read " + std::to_string(capacity)}); }
    Exchange& write(const Bytes& bytes) {
        for (const std::uint8_t byte : bytes) {
            add({"write " + testing::FakeSerialPortApi::hex(byte), "sleep 10"});
        }
        return *this;
    }
    Exchange& sleep(int ms) { return add({"sleep " + std::to_string(ms)}); }
    Exchange& close() { return add({"close"}); }
    Calls calls() const { return calls_; }

  private:
    Exchange& add(const Calls& more) {
        calls_.insert(calls_.end(), more.begin(), more.end());
        return *this;
    }
    Calls calls_;
};

const Bytes kVersionRequest{0x1B, 0x1B, 0x56};
const Bytes kWriteCommand{0x1B, 0x44, 0xAA, 0x55};
const Bytes kReadCommand{0x1B, 0x55};

class TrackerCommandsTest : public ::testing::Test {
  protected:
    TrackerCommandsTest() {
        api.devices.insert(kFakeDevice);
        link.setPortName("COM1");
    }

    std::string replyText() const { return reply.data(); }

    testing::SeenMessages seen;
    testing::FakeSerialPortApi api;
    PortTable ports{{{"COM1", kFakeDevice}}};
    SerialLink link{api, ports};
    std::array<char, 32> reply{};
    std::span<char> reply30{reply.data(), 30};
};

TEST_F(TrackerCommandsTest, VersionQueryDrainsAsksAndCloses) {
    api.replies = {text("stale"), text("OV-QZ5 v2.1")};
    EXPECT_TRUE(seen(link.queryVersion(reply30)));
    EXPECT_EQ(replyText(), "OV-QZ5 v2.1");
    EXPECT_EQ(api.calls,
              Exchange().open(4800).read(29).write(kVersionRequest).read(29).close().calls());
    EXPECT_TRUE(seen.shown.empty());
}

TEST_F(TrackerCommandsTest, VersionReplyIsCutToCapacityAndTerminated) {
    reply.fill('#');
    api.replies = {{}, text("OV4600KR 0123456789012345678901234567890")};
    EXPECT_TRUE(seen(link.queryVersion(reply30)));
    EXPECT_EQ(replyText(), "OV4600KR 01234567890123456789");
    EXPECT_EQ(reply[30], '#');  // nothing written past the capacity given
}

TEST_F(TrackerCommandsTest, RejectedReplyIsSilentAndLetsThePortGo) {
    api.replies = {{}, text("HELLO")};
    EXPECT_FALSE(seen(link.queryVersion(reply30)));
    EXPECT_TRUE(seen.shown.empty());
    EXPECT_EQ(replyText(), "HELLO");
    EXPECT_EQ(api.calls.back(), "close");
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(api.openHandles.empty());
}

// How a command ended, whatever its value.
struct Ended {
    Texts messages;
    std::optional<FailureKind> kind;  // none after a success
};

template <typename T>
Ended ended(const Outcome<T>& outcome) {
    Texts texts;
    for (const Message& message : outcome.messages()) {
        texts.push_back(message.text);
    }
    const Failure* failure = outcome.failure();
    return {texts, failure ? std::optional(failure->kind) : std::nullopt};
}

struct FailedCommand {
    const char* name;
    std::function<void(testing::FakeSerialPortApi&)> fault;
    std::function<Ended(SerialLink&)> command;
    Texts messages;
    FailureKind kind;
};

// Whichever step fails, the device is free for other programs afterwards.
TEST_F(TrackerCommandsTest, ACommandThatFailedHoldsNoPort) {
    std::array<char, 32> area{};
    const std::span<char> answer{area.data(), 30};
    Bytes buffer(200);
    const Texts closeFailed{"ComPort Close failed"};
    const FailedCommand cases[] = {
        {"unusable line",
         [](auto& fake) { fake.failSetLineSettings = true; },
         [&](SerialLink& l) { return ended(l.probeDevice(answer)); },
         {"SetCommState failed", "SetCommState failed", "Zelbin3 Not Found"},
         FailureKind::PortFailed},
        {"silent tracker",
         [](auto&) {},
         [&](SerialLink& l) { return ended(l.probeDevice(answer)); },
         {"Zelbin3 Not Found"},
         FailureKind::NotFound},
        {"write refused, then the close",
         [](auto& fake) {
             fake.writesBeforeFailure = 0;
             fake.failingCloses = 1;
         },
         [&](SerialLink& l) { return ended(l.queryVersion(answer)); },
         {"ComPort write failed", "ComPort Close failed"},
         FailureKind::WriteFailed},
        {"read refused",
         [](auto& fake) { fake.failRead = true; },
         [&](SerialLink& l) { return ended(l.readImageVerified(buffer)); },
         {"ComPort read failed", "ComPort read failed"},
         FailureKind::ReadFailed},
        {"device held elsewhere",
         [](auto& fake) {
             fake.devices.clear();
             fake.refusal = {FailureKind::PortBusy, "In use by term (pid 42)."};
         },
         [&](SerialLink& l) { return ended(l.writeImageVerified(testImage())); },
         {"Could not aquire Com Port"},
         FailureKind::PortBusy},
        {"close refused after the image", [](auto& fake) { fake.failingCloses = 1; },
         [&](SerialLink& l) { return ended(l.writeImageVerified(testImage())); }, closeFailed,
         FailureKind::PortFailed},
        {"close refused after the read", [](auto& fake) { fake.failingCloses = 1; },
         [&](SerialLink& l) { return ended(l.fetchImage(buffer)); }, closeFailed,
         FailureKind::PortFailed},
        {"close refused after the tone", [](auto& fake) { fake.failingCloses = 1; },
         [&](SerialLink& l) { return ended(l.sendTone(kToneLow)); }, closeFailed,
         FailureKind::PortFailed},
    };
    for (const FailedCommand& c : cases) {
        testing::FakeSerialPortApi fake;
        fake.devices.insert(kFakeDevice);
        SerialLink failing{fake, ports};
        failing.setPortName("COM1");
        c.fault(fake);
        const Ended end = c.command(failing);
        EXPECT_EQ(end.kind, c.kind) << c.name;
        EXPECT_EQ(end.messages, c.messages) << c.name;
        EXPECT_FALSE(failing.isOpen()) << c.name;
        EXPECT_TRUE(fake.openHandles.empty()) << c.name;
    }
}

// A tone counts as sent once its code is on the line, whatever fails after.
TEST_F(TrackerCommandsTest, ToneSentSaysWhetherTheCodeWentOut) {
    struct ToneCase {
        const char* name;
        std::function<void(testing::FakeSerialPortApi&)> fault;
        bool failed;
        bool sent;
    };
    const ToneCase cases[] = {
        {"sent", [](auto&) {}, false, true},
        {"close refused", [](auto& fake) { fake.failingCloses = 1; }, true, true},
        {"stop sent, code refused", [](auto& fake) { fake.writesBeforeFailure = 3; }, true, false},
        {"no device", [](auto& fake) { fake.devices.clear(); }, true, false},
    };
    for (const ToneCase& c : cases) {
        testing::FakeSerialPortApi fake;
        fake.devices.insert(kFakeDevice);
        SerialLink toning{fake, ports};
        toning.setPortName("COM1");
        ASSERT_TRUE(seen(toning.sendTone(kToneHigh)));  // what an earlier tone left must not count
        c.fault(fake);
        std::vector<LinkProgress::Step> steps;
        toning.setProgressCallback([&](const LinkProgress& p) { steps.push_back(p.step); });
        EXPECT_EQ(!toning.sendTone(kToneStop), c.failed) << c.name;
        EXPECT_EQ(toning.toneSent(), c.sent) << c.name;
        EXPECT_EQ(steps, std::vector{LinkProgress::Step::StoppingTone}) << c.name;
    }
}

TEST_F(TrackerCommandsTest, ReplyBuffersTooSmallForTextAreRejectedSafely) {
    api.replies = {{}, text("OV-QZ5 ")};
    EXPECT_FALSE(seen(link.queryVersion({})));
    std::array<char, 1> oneByte{'#'};
    api.replies = {{}, text("OV-QZ5 ")};
    EXPECT_FALSE(seen(link.queryVersion(oneByte)));
    EXPECT_EQ(oneByte[0], '\0');
    EXPECT_TRUE(seen.shown.empty());
}

TEST_F(TrackerCommandsTest, ProbeFindsTheTrackerAt4800First) {
    api.replies = {{}, text("OV-QZ5 ")};
    EXPECT_TRUE(seen(link.probeDevice(reply30)));
    EXPECT_EQ(link.baudRate(), 4800);
    EXPECT_EQ(api.calls,
              Exchange().open(4800).read(29).write(kVersionRequest).read(29).close().calls());
}

TEST_F(TrackerCommandsTest, ProbeFallsBackTo9600AndKeepsIt) {
    link.setBaudRate(9600);  // the probe starts at 4800 whatever was found before
    api.replies = {{}, text("\xF0\x0F"), text("garbage"), text("OV-QZ5 at 9600")};
    EXPECT_TRUE(seen(link.probeDevice(reply30)));
    EXPECT_EQ(link.baudRate(), 9600);
    EXPECT_EQ(replyText(), "OV-QZ5 at 9600");
    const Calls expected = Exchange()
                               .open(4800)
                               .read(29)
                               .write(kVersionRequest)
                               .read(29)
                               .close()  // the rejected port, closed by the next open
                               .open(9600)
                               .read(29)
                               .write(kVersionRequest)
                               .read(29)
                               .close()
                               .calls();
    EXPECT_EQ(api.calls, expected);
    EXPECT_TRUE(seen.shown.empty());
    EXPECT_TRUE(api.openHandles.empty());
}

TEST_F(TrackerCommandsTest, SilentLineIsNotFoundAndLeaves9600ForTheTones) {
    EXPECT_FALSE(seen(link.probeDevice(reply30)));
    EXPECT_EQ(seen.texts(), Texts{"Zelbin3 Not Found"});
    EXPECT_EQ(link.baudRate(), 9600);

    api.calls.clear();
    EXPECT_TRUE(seen(link.sendTone(kToneLow)));
    EXPECT_EQ(api.calls[2], "set 9600");
}

TEST_F(TrackerCommandsTest, MissingPortShowsOneMessagePerRateThenNotFound) {
    api.devices.clear();
    EXPECT_FALSE(seen(link.probeDevice(reply30)));
    EXPECT_EQ(seen.texts(), (Texts{"Could not aquire Com Port", "Could not aquire Com Port",
                                   "Zelbin3 Not Found"}));
    EXPECT_EQ(link.baudRate(), 9600);
}

TEST_F(TrackerCommandsTest, VerifiedWriteSendsPacedImageAndReadsItBack) {
    const Bytes image = testImage();
    api.replies = {{}, {}, image};
    EXPECT_TRUE(seen(link.writeImageVerified(image)));
    Bytes onWire = kWriteCommand;
    onWire.insert(onWire.end(), image.begin(), image.end());
    const Calls expected = Exchange()
                               .open(4800)
                               .read(100)
                               .write(onWire)
                               .close()
                               .open(4800)
                               .read(200)
                               .write(kReadCommand)
                               .read(200)
                               .close()
                               .calls();
    EXPECT_EQ(api.calls, expected);
    EXPECT_TRUE(seen.shown.empty());
}

struct ReadBackCase {
    const char* name;
    std::size_t length;
    int changedByte;  // -1: none
    const char* message;
};

void PrintTo(const ReadBackCase& c, std::ostream* os) {
    *os << c.name;
}

class VerifiedWriteReadBackTest : public TrackerCommandsTest,
                                  public ::testing::WithParamInterface<ReadBackCase> {};

TEST_P(VerifiedWriteReadBackTest, ReportsTheMismatch) {
    const Bytes image = testImage();
    Bytes back = image;
    back.resize(GetParam().length, 0x00);
    if (GetParam().changedByte >= 0) {
        back[GetParam().changedByte] ^= 0x01;
    }
    api.replies = {{}, {}, back};
    EXPECT_FALSE(seen(link.writeImageVerified(image)));
    EXPECT_EQ(seen.texts(), Texts{GetParam().message});
    EXPECT_TRUE(api.openHandles.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VerifiedWriteReadBackTest,
    ::testing::Values(ReadBackCase{"NoAnswer", 0, -1, "Write Failed (code 128 0)"},
                      ReadBackCase{"Short", 127, -1, "Write Failed (code 128 127)"},
                      ReadBackCase{"Long", 129, -1, "Write Failed (code 128 129)"},
                      ReadBackCase{"FirstByte", 128, 0, "Write Failed"},
                      ReadBackCase{"LastByte", 128, 127, "Write Failed"}),
    [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(TrackerCommandsTest, FailedImageSendStopsBeforeTheReadBack) {
    api.writesBeforeFailure = 6;  // the command and two image bytes
    EXPECT_FALSE(seen(link.writeImageVerified(testImage())));
    EXPECT_EQ(seen.texts(), Texts{"ComPort write failed"});
    EXPECT_EQ(api.calls.back(), "close");
    EXPECT_EQ(std::count(api.calls.begin(), api.calls.end(), "open /dev/ttyFAKE0"), 1);
    EXPECT_TRUE(api.openHandles.empty());
}

TEST_F(TrackerCommandsTest, LineThatTakesNoBytesFailsTheWriteCommand) {
    api.writesTimeOut = true;
    EXPECT_FALSE(seen(link.writeImageVerified(testImage())));
    EXPECT_EQ(seen.texts(), Texts{"ComPort write mismatch"});
    // Every command byte was tried; the image itself never followed.
    EXPECT_EQ(std::count_if(api.calls.begin(), api.calls.end(),
                            [](const std::string& call) { return call.ends_with("timeout"); }),
              4);
    EXPECT_TRUE(api.openHandles.empty());
}

TEST_F(TrackerCommandsTest, VerifiedReadReadsTwiceAndReturnsAgreeingCount) {
    const Bytes image = testImage();
    api.replies = {{}, image, {}, image};
    Bytes buffer(200);
    EXPECT_EQ(testing::countOf(seen(link.readImageVerified(buffer))), 128);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), buffer.begin()));
    const auto fetch = [](Exchange& exchange) -> Exchange& {
        return exchange.open(4800).read(200).write(kReadCommand).read(200).close();
    };
    Exchange both;
    fetch(fetch(both));
    const Calls expected = both.calls();
    EXPECT_EQ(api.calls, expected);

    // A count other than 128 is the caller's to judge.
    const Bytes shortImage(image.begin(), image.end() - 1);
    api.replies = {{}, shortImage, {}, shortImage};
    EXPECT_EQ(testing::countOf(seen(link.readImageVerified(buffer))), 127);
    EXPECT_TRUE(seen.shown.empty());
}

TEST_F(TrackerCommandsTest, VerifiedReadGivesNothingWhenTheReadsDisagree) {
    const Bytes image = testImage();
    Bytes changed = image;
    changed[64] ^= 0x80;
    Bytes buffer(200);

    api.replies = {{}, image, {}, Bytes(image.begin(), image.end() - 1)};
    EXPECT_EQ(testing::countOf(seen(link.readImageVerified(buffer))), 0);
    api.replies = {{}, image, {}, changed};
    EXPECT_EQ(testing::countOf(seen(link.readImageVerified(buffer))), 0);

    api.calls.clear();
    api.replies = {};
    EXPECT_EQ(testing::countOf(seen(link.readImageVerified(buffer))),
              0);  // nothing came: no second read
    EXPECT_EQ(std::count(api.calls.begin(), api.calls.end(), "close"), 1);
    EXPECT_TRUE(seen.shown.empty());
}

TEST_F(TrackerCommandsTest, FetchCountsNothingWhenThePortWillNotClose) {
    api.replies = {{}, testImage()};
    api.failingCloses = 1;
    Bytes buffer(200);
    EXPECT_EQ(testing::countOf(seen(link.fetchImage(buffer))), 0);
    EXPECT_EQ(seen.texts(), Texts{"ComPort Close failed"});
}

TEST_F(TrackerCommandsTest, ToneStopsTheCurrentToneFirstAt4800BeforeAnyProbe) {
    EXPECT_TRUE(seen(link.sendTone(kToneBoth)));
    EXPECT_EQ(api.calls, Exchange()
                             .open(4800)
                             .write({0x1B, 0x1B, 0x78})
                             .sleep(50)
                             .write({0x1B, 0x1B, 0x33})
                             .close()
                             .calls());

    api.calls.clear();
    EXPECT_TRUE(seen(link.sendTone(kToneStop)));
    EXPECT_EQ(api.sent,
              (Bytes{0x1B, 0x1B, 0x78, 0x1B, 0x1B, 0x33, 0x1B, 0x1B, 0x78, 0x1B, 0x1B, 0x78}));
    EXPECT_TRUE(seen.shown.empty());
}

TEST_F(TrackerCommandsTest, ToneStopsAfterAFailedWrite) {
    api.writesBeforeFailure = 0;
    EXPECT_FALSE(seen(link.sendTone(kToneHigh)));
    EXPECT_EQ(api.calls.back(), "close");
    EXPECT_EQ(seen.texts(), Texts{"ComPort write failed"});
    EXPECT_TRUE(api.openHandles.empty());
}

}  // namespace
}  // namespace qz5
