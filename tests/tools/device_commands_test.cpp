// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/device_commands.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <utility>

#include "config/config_file.h"
#include "config/history.h"
#include "config/image_test_support.h"
#include "link/port_table.h"
#include "link/serial_link.h"
#include "link/serial_port_api_posix.h"
#include "sim/pty_tracker.h"
#include "support/recording_presenter.h"
#include "tool_process.h"
#include "tools/qz5cfg/config_json.h"
#include "tools/qz5cfg/symbol_names.h"

namespace qz5 {
namespace {

using testing::imageOf;
using testing::ShownMessage;

constexpr const char* kEmergencyQuestion =
    "You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  "
    "Are you sure you want to do this?";

std::string fileImage(const std::string& file) {
    return file.substr(8);
}

// The directions of the kept images, newest first.
std::vector<std::string> directions() {
    std::vector<std::string> result;
    for (const auto& entry : listHistory()) {
        result.push_back(entry.direction);
    }
    return result;
}

// The commands as the tool runs them: the real serial layer on the simulated
// tracker's pseudo-terminal, reached as COM3.
class DeviceCommandsTest : public ::testing::Test {
  protected:
    DeviceCommandsTest() {
        link.setPortName("COM3");
        std::filesystem::remove_all(historyDir());
    }

    PtyTracker tracker;
    PortTable ports{{{"COM3", tracker.slavePath()}}};
    SerialLink link{PosixSerialPortApi::instance(), ports};
    testing::RecordingPresenter presenter;
    testing::TempFolder folder;
    std::ostringstream out;
    std::ostringstream findings;

    // Read commands (ESC U) the tracker heard.
    int imageReads() const {
        const auto wire = tracker.received();
        int reads = 0;
        for (std::size_t i = 1; i < wire.size(); ++i) {
            reads += wire[i - 1].value == 0x1B && wire[i].value == 0x55 ? 1 : 0;
        }
        return reads;
    }
};

TEST_F(DeviceCommandsTest, VersionPrintsTheReplyAsOneLine) {
    EXPECT_EQ(runVersion(link, out), ExitStatus::Ok);
    EXPECT_EQ(out.str(), "OV-QZ5 1.4\n");
    EXPECT_TRUE(presenter.shown.empty());

    // A device may send any bytes; none of them reaches the terminal as they are.
    PtyTracker odd(TrackerModel(4800, "OV-QZ5 \x1b]0;x\x07\x1b[31m\xff\r\n"));
    const PortTable oddPorts{{{"COM3", odd.slavePath()}}};
    link.setPortTable(oddPorts);
    out.str("");
    EXPECT_EQ(runVersion(link, out), ExitStatus::Ok);
    EXPECT_EQ(out.str(), "OV-QZ5 \\x1b]0;x\\x07\\x1b[31m\\xff\n");
    link.setPortTable(ports);
}

TEST_F(DeviceCommandsTest, SilentTrackerIsNotFound) {
    tracker.setFaults({.silent = true});
    EXPECT_EQ(runVersion(link, out), ExitStatus::Failed);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Zelbin3 Not Found"});
}

TEST_F(DeviceCommandsTest, ReadSavesTheTrackersOwnBytes) {
    // The default image's second delay does not survive a decode and encode.
    const ConfigImage image = imageOf(TrackerConfig());
    tracker.setMemory(image);
    TrackerConfig decoded;
    ASSERT_TRUE(decoded.decodeImage(image));
    ASSERT_NE(imageOf(decoded), image);

    EXPECT_EQ(runRead(link, folder.path("read.zb3"), out), ExitStatus::Ok);
    EXPECT_EQ(presenter.shown,
              (std::vector<ShownMessage>{{"Read Successful", "Zelbin3 Read", MessageButtons::Ok}}));
    EXPECT_EQ(fileImage(folder.read("read.zb3")), std::string(image.begin(), image.end()));
    EXPECT_EQ(out.str(), "");

    // Printed as show prints a record, with the symbols' names.
    Json printed = configToJson(decoded);
    addSymbolNames(printed, decoded, systemSymbols());
    EXPECT_EQ(runRead(link, std::nullopt, out), ExitStatus::Ok);
    EXPECT_EQ(parseJson(out.str()), printed);
    EXPECT_EQ(directions(), (std::vector<std::string>{"read", "read"}));
}

TEST_F(DeviceCommandsTest, WriteSendsAFilesBytesAfterABackupRead) {
    TrackerConfig record;
    record.setCallsign("K1ABC-7");
    ConfigImage image = imageOf(record);
    // 19 decodes to 127 ms, which the encoder would turn into 20.
    ASSERT_EQ(image[kDelay2CountEntry], 19);
    folder.write("in.zb3",
                 std::string("ZB3A\x80\0\0\0", 8) + std::string(image.begin(), image.end()));
    const ConfigImage before = imageOf(TrackerConfig());
    tracker.setMemory(before);

    EXPECT_EQ(runWrite(link, folder.path("in.zb3"), {}, out, findings), ExitStatus::Ok)
        << ::testing::PrintToString(presenter.texts());
    EXPECT_EQ(tracker.memory(), image);
    // Newest first: what was written, then the tracker's image before it.
    const auto kept = listHistory();
    ASSERT_EQ(directions(), (std::vector<std::string>{"write", "backup"}));
    TrackerConfig ignored;
    ConfigImage backup{};
    ASSERT_TRUE(readConfigFile(kept[1].file.string(), ignored, &backup));
    EXPECT_EQ(backup, before);
    // The device behind COM3 (a pseudo-terminal has no by-id name).
    const std::string device = tracker.slavePath();
    EXPECT_EQ(kept[0].port, "dev-pts-" + device.substr(device.rfind('/') + 1));
    EXPECT_EQ(kept[0].version, "OV-QZ5-1.4");
    // Three image reads: the backup twice, the write's read-back once.
    EXPECT_EQ(imageReads(), 3);
    // What the write changed, as the dry run would have said it.
    EXPECT_EQ(out.str(), "profiles[0].callsign: \"NOCALL\" -> \"K1ABC-7\"\n");
}

TEST_F(DeviceCommandsTest, WithoutBackupNoExtraReadHappens) {
    folder.write("record.json", "{}");
    EXPECT_EQ(runWrite(link, folder.path("record.json"), {.backup = false}, out, findings),
              ExitStatus::Ok);
    EXPECT_EQ(imageReads(), 1);
    EXPECT_EQ(directions(), std::vector<std::string>{"write"});
    EXPECT_EQ(out.str(), "");
}

TEST_F(DeviceCommandsTest, AFailedBackupReadWritesNothing) {
    folder.write("record.json", R"({"calibration":5})");
    for (const TrackerFaults faults :
         {TrackerFaults{.shortReadBack = true}, TrackerFaults{.driftingReads = true}}) {
        tracker.setFaults(faults);
        presenter.shown.clear();
        presenter.hints.clear();
        EXPECT_EQ(runWrite(link, folder.path("record.json"), {}, out, findings),
                  ExitStatus::Failed);
        ASSERT_EQ(presenter.texts().size(), 2u);
        EXPECT_EQ(presenter.texts()[0], "Read Failed");
        EXPECT_EQ(presenter.hints[0],
                  "Check the cable and that the tracker is switched on, then try again.");
        EXPECT_NE(presenter.texts()[1].find("--no-backup"), std::string::npos);
        EXPECT_EQ(tracker.memory(), imageOf(TrackerConfig()));
    }
    EXPECT_EQ(imageReads(), 4);
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

    EXPECT_EQ(runWrite(link, folder.path("record.json"), {.emergencyOk = true, .backup = false},
                       out, findings),
              ExitStatus::Ok)
        << ::testing::PrintToString(presenter.texts());
    EXPECT_EQ(
        presenter.shown,
        (std::vector<ShownMessage>{{"Write Successful", "Zelbin3 Write", MessageButtons::Ok}}));
    EXPECT_EQ(tracker.memory(), imageOf(expected));
}

// The advice names the history only when this run kept the tracker's image
// there, and then by the number this run kept it under.
TEST_F(DeviceCommandsTest, WriteThatReadsBackWrongFailsWithAdviceTrueForTheRun) {
    folder.write("record.json", "{}");
    tracker.setFaults({.corruptReadBack = true});
    const std::string kept =
        " The tracker's settings from before this write are in the history: 'qz5cfg history' "
        "lists them, 'qz5cfg history show ";
    for (const auto& [backup, hint] :
         {std::pair{false, std::string()}, std::pair{true, kept + "1' prints them."},
          std::pair{true, kept + "2' prints them."}}) {
        presenter.shown.clear();
        EXPECT_EQ(runWrite(link, folder.path("record.json"), {.backup = backup}, out, findings),
                  ExitStatus::Failed);
        EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Write Failed"});
        EXPECT_EQ(presenter.hints.back(), "Write the configuration again." + hint);
    }
}

TEST_F(DeviceCommandsTest, EmergencyWithoutConsentSendsNothing) {
    // 263 reaches the tracker as its low byte, 7, just the same.
    for (const char* status : {"7", "263"}) {
        SCOPED_TRACE(status);
        folder.write("record.json",
                     R"({"profiles":[{},{"micEStatus":)" + std::string(status) + "}]}");
        presenter.shown.clear();
        presenter.answers = {MessageAnswer::Cancel};
        EXPECT_EQ(runWrite(link, folder.path("record.json"), {}, out, findings), ExitStatus::Usage);
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
    EXPECT_EQ(runWrite(link, folder.path("missing.zb3"), {}, out, findings), ExitStatus::Failed);
    folder.write("bad.json", R"({"profiles":[{"micEStatus":"7"}]})");
    EXPECT_EQ(runWrite(link, folder.path("bad.json"), {}, out, findings), ExitStatus::Usage);
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
    // Exactly the file's image, though its delays would not survive a decode.
    const std::string bytes = fileImage(folder.read("f.zb3"));
    ConfigImage image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());

    const auto written = testing::runTool(
        {"write", "--no-backup", "--port", tracker.slavePath(), folder.path("f.zb3")});
    EXPECT_EQ(written.status, 0);
    // The findings come first; they never stop the write.
    EXPECT_TRUE(written.err.starts_with("error  callsign-placeholder  profiles[1].callsign  "))
        << written.err;
    EXPECT_TRUE(written.err.ends_with("\nZelbin3 Write: Write Successful\n")) << written.err;
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

    // Without --no-backup, the tracker's image goes into the history first.
    std::filesystem::remove_all(historyDir());
    EXPECT_EQ(
        testing::runTool({"write", "--port", tracker.slavePath(), folder.path("f.zb3")}).status, 0);
    EXPECT_EQ(directions(), (std::vector<std::string>{"write", "backup"}));
}

// Each rate's refusal, with its reason after it, then the verdict.
TEST_F(DeviceCliTest, APortThatWillNotOpenIsReportedForEachRateBeforeNotFound) {
    const auto run = testing::runTool({"version", "--port", folder.path("no-such-device")});
    EXPECT_EQ(run.status, 1);
    const std::string refused = "Could not aquire Com Port\n";
    ASSERT_TRUE(run.err.starts_with(refused)) << run.err;
    const auto second = run.err.find(refused, refused.size());
    ASSERT_NE(second, std::string::npos) << run.err;
    const std::string reason = run.err.substr(refused.size(), second - refused.size());
    EXPECT_NE(reason, "");
    const std::string verdict = run.err.substr(second + refused.size() + reason.size());
    EXPECT_TRUE(verdict.starts_with("Zelbin3 Not Found\nhint: The device is not there")) << verdict;
    EXPECT_NE(verdict.find("'qz5cfg ports'"), std::string::npos) << verdict;
    EXPECT_EQ(run.err.substr(second, refused.size() + reason.size()), refused + reason);
}

// The encoder's warning belongs to the image, so it comes before the result.
TEST_F(DeviceCliTest, AnEncodersWarningComesBeforeTheWritesResult) {
    folder.write("long.json", R"({"profiles":[{"statusText":")" + std::string(100, 'a') +
                                  R"("},{"statusText":")" + std::string(100, 'b') + R"("}]})");
    const auto run = testing::runTool(
        {"write", "--no-backup", "--port", tracker.slavePath(), folder.path("long.json")});
    EXPECT_EQ(run.status, 0);
    const auto warning = run.err.find("Status Beacon Text Truncated: ");
    ASSERT_NE(warning, std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Status Beacon Text Truncated: ", warning + 1), std::string::npos);
    EXPECT_TRUE(run.err.ends_with("\nZelbin3 Write: Write Successful\n")) << run.err;
}

TEST_F(DeviceCliTest, EmergencyIsRefusedWithoutTheFlag) {
    folder.write("record.json", R"({"profiles":[{"micEStatus":7}]})");
    const auto run =
        testing::runTool({"write", "--port", tracker.slavePath(), folder.path("record.json")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.ends_with(std::string("\nZelbin3 Write: ") + kEmergencyQuestion +
                                  "\nqz5cfg: nothing written; give --emergency-ok to write an "
                                  "Emergency status\n"))
        << run.err;
    EXPECT_TRUE(tracker.received().empty());
}

TEST_F(DeviceCliTest, TraceOfVersionShowsTheProbeInOrderWithTimes) {
    const auto run =
        testing::runTool({"version", "--port", tracker.slavePath(), "--trace", folder.path("t")});
    EXPECT_EQ(run.status, 0);
    const std::string trace = folder.read("t");
    // Unheard at 4800, answered at 9600.
    for (const char* line :
         {" open ", " rate 4800\n", " 4800 tx 1B\n", " 4800 tx 56\n", " close\n", " rate 9600\n",
          " 9600 tx 56\n", " 9600 rx 4F 56 2D 51 5A 35", " close\n"}) {
        const auto at = trace.find(line);
        ASSERT_NE(at, std::string::npos) << line << " in\n" << trace;
    }
    EXPECT_EQ(trace.rfind("+0.", 0), 0u) << trace;

    const auto refused = testing::runTool(
        {"--trace", folder.path("missing/t"), "version", "--port", tracker.slavePath()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("cannot write the trace file"), std::string::npos);
    EXPECT_EQ(tracker.received().size(), 6u);  // the first run's two version requests only
}

// The trace is the user's alone and opened only for a command that talks to
// a tracker; what is no regular file is refused at once, before anything is
// sent, with the command's own trouble status.
TEST_F(DeviceCliTest, TheTraceIsOpenedOnlyToTalkAndNeverWaits) {
    folder.write("kept", "keep me");
    folder.write("a.json", "{}");
    ASSERT_EQ(testing::runTool({"build", folder.path("a.json"), folder.path("a.zb3")}).status, 0);
    ASSERT_EQ(::mkfifo(folder.path("fifo").c_str(), 0600), 0);
    const std::string port = tracker.slavePath();
    const std::string notRegular = ": it is not a regular file";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string said;
    };
    const std::vector<Case> cases = {
        {{"show", folder.path("a.zb3"), "--trace", folder.path("kept")}, 0, ""},
        {{"version", "--port", port, "--trace", folder.path("fifo")}, 1, folder.path("fifo")},
        {{"version", "--port", port, "--trace", "/dev/null"}, 1, "/dev/null"},
        {{"diff", folder.path("a.zb3"), "tracker:" + port, "--trace", folder.path("fifo")},
         2,
         folder.path("fifo")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args.back());
        const testing::ToolRun run = testing::runTool(c.args);
        EXPECT_EQ(run.status, c.status);
        if (!c.said.empty()) {
            EXPECT_NE(run.err.find("cannot write the trace file " + c.said + notRegular),
                      std::string::npos)
                << run.err;
        }
    }
    EXPECT_EQ(folder.read("kept"), "keep me");
    EXPECT_TRUE(tracker.received().empty());

    const mode_t umaskBefore = ::umask(022);
    EXPECT_EQ(testing::runTool({"version", "--port", port, "--trace", folder.path("t")}).status, 0);
    ::umask(umaskBefore);
    struct stat info {};
    ASSERT_EQ(::stat(folder.path("t").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// A full disk, played by a file-size limit: the exchange runs to its end,
// then the trace's failure is said and the status is 1.
TEST_F(DeviceCliTest, ATraceThatCannotBeWrittenIsSaidAfterTheExchange) {
    int err[2];
    ASSERT_EQ(::pipe(err), 0);
    const std::string trace = folder.path("t");
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(err[1], 2);
        ::close(err[0]);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_IGN);
        ::execl(QZ5CFG_PATH, QZ5CFG_PATH, "version", "--port", tracker.slavePath().c_str(),
                "--trace", trace.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(err[1]);
    std::string said;
    std::array<char, 512> buffer{};
    for (ssize_t n; (n = ::read(err[0], buffer.data(), buffer.size())) > 0;) {
        said.append(buffer.data(), static_cast<std::size_t>(n));
    }
    ::close(err[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(said, "qz5cfg: cannot write the trace file " + trace + ": File too large\n");
    EXPECT_EQ(tracker.received().size(), 6u);  // both version requests, sent whole
}

TEST_F(DeviceCliTest, AnUnwritableHistoryWarnsOnceAndTheReadSucceeds) {
    // A file where the folder should be: nothing can be created under it.
    folder.write("state", "");
    const std::string saved = std::getenv("XDG_STATE_HOME");
    setenv("XDG_STATE_HOME", folder.path("state").c_str(), 1);
    const auto run =
        testing::runTool({"read", "--port", tracker.slavePath(), folder.path("r.zb3")});
    setenv("XDG_STATE_HOME", saved.c_str(), 1);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
    EXPECT_NE(run.err.find("warning: the image was not kept in the history"), std::string::npos);
    EXPECT_TRUE(folder.exists("r.zb3"));
}

// A write never replaces settings that are kept nowhere: the dry run says so
// too, and --no-backup is the one way past.
TEST_F(DeviceCliTest, AWriteWhoseBackupCannotBeKeptSendsNothing) {
    folder.write("record.json", R"({"profiles":[{"callsign":"K1ABC-7"}]})");
    const std::string saved = std::getenv("XDG_STATE_HOME");
    setenv("XDG_STATE_HOME", "/dev/null", 1);
    const std::string reason = "(/dev/null is not a folder)";
    struct Case {
        std::vector<std::string> extra;
        int status;
        std::string said;
        bool sent;
    };
    const std::vector<Case> cases = {
        {{},
         1,
         "qz5cfg: nothing written: the tracker's current configuration could not be kept "
         "in the history " +
             reason,
         false},
        {{"--dry-run"},
         2,
         "could not be kept in the history " + reason + "; a write would be refused",
         false},
        {{"--no-backup"}, 0, "Write Successful", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        std::vector<std::string> args = {"write", "--port", tracker.slavePath(),
                                         folder.path("record.json")};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const testing::ToolRun run = testing::runTool(args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("File exists"), std::string::npos) << run.err;
        EXPECT_EQ(run.out.empty(), c.extra.empty() || c.extra[0] != "--dry-run") << run.out;
        const auto wire = tracker.received();
        const bool sent = std::adjacent_find(wire.begin(), wire.end(), [](auto a, auto b) {
                              return a.value == 0x1B && b.value == 0x44;
                          }) != wire.end();
        EXPECT_EQ(sent, c.sent);
    }
    setenv("XDG_STATE_HOME", saved.c_str(), 1);
}

}  // namespace
}  // namespace qz5
