#include "tools/qz5cfg/device_commands.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <sstream>
#include <utility>

#include "config/config_file.h"
#include "link/port_table.h"
#include "link/posix_serial_port_api.h"
#include "link/serial_link.h"
#include "sim/pty_tracker.h"
#include "support/recording_presenter.h"
#include "tool_process.h"
#include "tools/qz5cfg/config_json.h"

namespace qz5 {
namespace {

using testing::ShownMessage;

constexpr const char* kEmergencyQuestion =
    "You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  "
    "Are you sure you want to do this?";

ConfigImage imageOf(TrackerConfig config) {
    std::array<std::uint8_t, kImageBufferSize> buffer{};
    EXPECT_EQ(config.encodeImage(buffer), kImageSize);
    ConfigImage image{};
    std::copy_n(buffer.begin(), kImageSize, image.begin());
    return image;
}

std::string fileImage(const std::string& file) {
    return file.substr(8);
}

// The commands as the tool runs them: the real serial layer on the simulated
// tracker's pseudo-terminal, reached as COM3.
class DeviceCommandsTest : public ::testing::Test {
  protected:
    DeviceCommandsTest() { link.setPortName("COM3"); }

    PtyTracker tracker;
    PortTable ports{{{"COM3", tracker.slavePath()}}};
    SerialLink link{PosixSerialPortApi::instance(), ports};
    testing::RecordingPresenter presenter;
    testing::TempFolder folder;
    std::ostringstream out;
};

TEST_F(DeviceCommandsTest, VersionPrintsTheReplyAsOneLine) {
    EXPECT_EQ(runVersion(link, out), ExitStatus::Ok);
    EXPECT_EQ(out.str(), "OV-QZ5 1.4\n");
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(DeviceCommandsTest, SilentTrackerIsNotFound) {
    tracker.setFaults({.silent = true});
    EXPECT_EQ(runVersion(link, out), ExitStatus::Failed);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Zelbin3 Not Found"});
}

TEST_F(DeviceCommandsTest, ReadSavesTheDecodedRecord) {
    TrackerConfig config;
    config.setCallsign("K1ABC-7");
    config.smartBeaconing[1] = true;
    const ConfigImage image = imageOf(config);
    tracker.setMemory(image);
    // Saved as Save saves it: the record decoded from the tracker, encoded again.
    TrackerConfig decoded;
    ASSERT_FALSE(decoded.decodeImage(image));
    const ConfigImage saved = imageOf(decoded);

    EXPECT_EQ(runRead(link, folder.path("read.zb3"), out), ExitStatus::Ok);
    EXPECT_EQ(presenter.shown,
              (std::vector<ShownMessage>{{"Read Successful", "Zelbin3 Read", MessageButtons::Ok}}));
    EXPECT_EQ(fileImage(folder.read("read.zb3")), std::string(saved.begin(), saved.end()));
    EXPECT_EQ(out.str(), "");

    EXPECT_EQ(runRead(link, std::nullopt, out), ExitStatus::Ok);
    EXPECT_EQ(parseJson(out.str()), configToJson(decoded));
}

TEST_F(DeviceCommandsTest, ReadOfOtherThan128BytesFails) {
    // Two equal reads of 127 bytes pass the link's own check; the count must not.
    tracker.setFaults({.shortReadBack = true});
    EXPECT_EQ(runRead(link, folder.path("read.zb3"), out), ExitStatus::Failed);
    EXPECT_EQ(presenter.shown,
              (std::vector<ShownMessage>{{"Read Failed", "Zelbin3 Read", MessageButtons::Ok}}));
    EXPECT_FALSE(folder.exists("read.zb3"));
}

TEST_F(DeviceCommandsTest, WriteStoresTheRecordAndVerifiesIt) {
    folder.write("record.json",
                 R"({"profiles":[{"callsign":"K1ABC-7"},{"micEStatus":7,"statusText":"help"}]})");
    TrackerConfig expected;
    applyJson(parseJson(folder.read("record.json")), expected);

    EXPECT_EQ(runWrite(link, folder.path("record.json"), true), ExitStatus::Ok)
        << ::testing::PrintToString(presenter.texts());
    EXPECT_EQ(
        presenter.shown,
        (std::vector<ShownMessage>{{"Write Successful", "Zelbin3 Write", MessageButtons::Ok}}));
    EXPECT_EQ(tracker.memory(), imageOf(expected));
}

TEST_F(DeviceCommandsTest, WriteThatReadsBackWrongFails) {
    folder.write("record.json", "{}");
    tracker.setFaults({.corruptReadBack = true});
    EXPECT_EQ(runWrite(link, folder.path("record.json"), false), ExitStatus::Failed);
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Write Failed"});
}

TEST_F(DeviceCommandsTest, EmergencyWithoutConsentSendsNothing) {
    // 263 reaches the tracker as its low byte, 7, just the same.
    for (const char* status : {"7", "263"}) {
        SCOPED_TRACE(status);
        folder.write("record.json",
                     R"({"profiles":[{},{"micEStatus":)" + std::string(status) + "}]}");
        presenter.shown.clear();
        presenter.answers = {MessageAnswer::Cancel};
        EXPECT_EQ(runWrite(link, folder.path("record.json"), false), ExitStatus::Usage);
        ASSERT_EQ(presenter.shown.size(), 2u);
        EXPECT_EQ(presenter.shown[0],
                  (ShownMessage{kEmergencyQuestion, "Zelbin3 Write", MessageButtons::OkCancel}));
        EXPECT_EQ(presenter.shown[1].text,
                  "nothing written; give --emergency-ok to write an Emergency status");
    }
    EXPECT_TRUE(tracker.received().empty());
    EXPECT_EQ(tracker.memory(), imageOf(TrackerConfig()));
}

TEST_F(DeviceCommandsTest, UnreadableInputSendsNothing) {
    EXPECT_EQ(runWrite(link, folder.path("missing.zb3"), false), ExitStatus::Failed);
    folder.write("bad.json", R"({"profiles":[{"micEStatus":"7"}]})");
    EXPECT_EQ(runWrite(link, folder.path("bad.json"), false), ExitStatus::Usage);
    EXPECT_EQ(presenter.texts(),
              (std::vector<std::string>{"Failed to open file", folder.path("bad.json") +
                                                                   ": profiles[0].micEStatus: "
                                                                   "expected an integer"}));
    EXPECT_TRUE(tracker.received().empty());
}

// The built program against a tracker that listens at 9600 bit/s.
class DeviceCliTest : public ::testing::Test {
  protected:
    PtyTracker tracker{TrackerModel(9600)};
    testing::TempFolder folder;
};

TEST_F(DeviceCliTest, WriteFindsTheTrackerAt9600AndReadGivesTheImageBack) {
    folder.write("record.json", R"({"profiles":[{"callsign":"K1ABC-7","smartBeaconing":true}]})");
    ASSERT_EQ(testing::runTool({"build", folder.path("record.json"), folder.path("f.zb3")}).status,
              0);
    TrackerConfig record;
    ASSERT_FALSE(readConfigFile(folder.path("f.zb3"), record));
    const ConfigImage image = imageOf(record);

    const auto written =
        testing::runTool({"write", "--port", tracker.slavePath(), folder.path("f.zb3")});
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.err, "Zelbin3 Write: Write Successful\n");
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(tracker.memory(), image);

    // The version request at 4800 goes unheard; everything else runs at 9600.
    std::vector<std::pair<std::int32_t, std::uint8_t>> expected = {
        {4800, 0x1B}, {4800, 0x1B}, {4800, 0x56}, {9600, 0x1B}, {9600, 0x1B},
        {9600, 0x56}, {9600, 0x1B}, {9600, 0x44}, {9600, 0xAA}, {9600, 0x55}};
    for (std::uint8_t byte : image) {
        expected.emplace_back(9600, byte);
    }
    expected.insert(expected.end(), {{9600, 0x1B}, {9600, 0x55}});
    const std::vector<WireByte> wire = tracker.received();
    std::vector<std::pair<std::int32_t, std::uint8_t>> seen;
    for (const WireByte& byte : wire) {
        seen.emplace_back(byte.rate, byte.value);
        EXPECT_EQ(byte.heard, byte.rate == 9600);
    }
    ASSERT_EQ(seen, expected);

    // The write command and the image go out one byte every 10 ms or more. A
    // byte the tracker's thread picks up late may shorten one gap, so the
    // check is cumulative, with room for that delay.
    constexpr std::size_t kFirst = 6;
    constexpr std::size_t kCount = 4 + kImageSize;
    constexpr auto kPickUpDelay = std::chrono::milliseconds(20);
    for (std::size_t i = 1; i < kCount; ++i) {
        const auto span = wire[kFirst + i].time - wire[kFirst].time;
        EXPECT_GE(span, std::chrono::milliseconds(10) * static_cast<int>(i) - kPickUpDelay)
            << "byte " << i;
    }

    const auto read =
        testing::runTool({"read", "--port", tracker.slavePath(), folder.path("back.zb3")});
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.err, "Zelbin3 Read: Read Successful\n");
    EXPECT_EQ(fileImage(folder.read("back.zb3")), std::string(image.begin(), image.end()));
}

TEST_F(DeviceCliTest, EmergencyIsRefusedWithoutTheFlag) {
    folder.write("record.json", R"({"profiles":[{"micEStatus":7}]})");
    const auto run =
        testing::runTool({"write", "--port", tracker.slavePath(), folder.path("record.json")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, std::string("Zelbin3 Write: ") + kEmergencyQuestion +
                           "\nqz5cfg: nothing written; give --emergency-ok to write an Emergency "
                           "status\n");
    EXPECT_TRUE(tracker.received().empty());
}

}  // namespace
}  // namespace qz5
