// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_port_api_posix.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <thread>

#include "link/port_diagnostics.h"
#include "link/port_table.h"
#include "link/serial_link.h"
#include "link/uucp_lock_linux.h"
#include "pseudo_terminal.h"
#include "support/fake_system_tree.h"
#include "support/port_holder_process.h"
#include "support/seen_messages.h"

namespace qz5 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

constexpr PortTimeouts kTrackerTimeouts{50, 3, 100, 2, 300};
// Long enough that only the behaviour under test can end a call in time.
constexpr PortTimeouts kPatientTimeouts{1000, 10, 5000, 0, 5000};

LineSettings trackerLine(std::int32_t rate) {
    return {.baudRate = rate, .dataBits = 8, .dtrAsserted = true, .rtsAsserted = true};
}

double millisecondsBetween(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double millisecondsSince(Clock::time_point start) {
    return millisecondsBetween(start, Clock::now());
}

class PosixSerialPortTest : public ::testing::Test {
  protected:
    ~PosixSerialPortTest() override {
        if (handle != kInvalidPortHandle) {
            EXPECT_TRUE(api.close(handle));
        }
    }

    void openPort(std::int32_t rate = 9600, const PortTimeouts& timeouts = kTrackerTimeouts) {
        handle = api.open(pty.slavePath());
        ASSERT_NE(handle, kInvalidPortHandle);
        ASSERT_TRUE(api.setLineSettings(handle, trackerLine(rate)));
        ASSERT_TRUE(api.setTimeouts(handle, timeouts));
    }

    // Runs `action` on another thread after `delay`, joined when the test ends.
    void later(std::chrono::milliseconds delay, std::function<void()> action) {
        helper = std::jthread([delay, action = std::move(action)] {
            std::this_thread::sleep_for(delay);
            action();
        });
    }

    testing::PseudoTerminal pty;
    PosixSerialPortApi api;
    PortHandle handle = kInvalidPortHandle;
    std::jthread helper;
};

TEST_F(PosixSerialPortTest, AppliesARawEightBitLineAtEitherRate) {
    for (const auto& [rate, speed] : {std::pair{4800, B4800}, std::pair{9600, B9600}}) {
        SCOPED_TRACE(rate);
        openPort(rate);
        termios tio{};
        ASSERT_EQ(tcgetattr(pty.master(), &tio), 0);  // the slave's settings, seen from outside
        EXPECT_EQ(cfgetospeed(&tio), speed);
        EXPECT_EQ(cfgetispeed(&tio), speed);
        EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
        // Carrier detect must never hang up the line: the tracker has none.
        EXPECT_NE(tio.c_cflag & CLOCAL, 0u);
        EXPECT_NE(tio.c_cflag & CREAD, 0u);
        EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
        EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP), 0u);
        EXPECT_EQ(tio.c_oflag & OPOST, 0u);

        LineSettings seen;
        ASSERT_TRUE(api.getLineSettings(handle, seen));
        EXPECT_EQ(seen.baudRate, rate);
        EXPECT_EQ(seen.dataBits, 8);
        EXPECT_FALSE(seen.parityEnabled || seen.twoStopBits || seen.ctsFlowControl ||
                     seen.xonXoffInput || seen.xonXoffOutput);
        ASSERT_TRUE(api.close(handle));
        handle = kInvalidPortHandle;
    }
}

// At 50 bit/s a character takes 200 ms on the line.
TEST_F(PosixSerialPortTest, CloseGivesBackTheSettingsItFoundWaitingOnlyAfterAChange) {
    termios slow{};
    ASSERT_EQ(tcgetattr(pty.master(), &slow), 0);
    cfsetspeed(&slow, B50);
    ASSERT_EQ(tcsetattr(pty.master(), TCSANOW, &slow), 0);
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed);
        handle = api.open(pty.slavePath());
        ASSERT_NE(handle, kInvalidPortHandle);
        if (changed) {
            ASSERT_TRUE(api.setLineSettings(handle, trackerLine(9600)));
        }
        const auto start = Clock::now();
        ASSERT_TRUE(api.close(handle));
        handle = kInvalidPortHandle;
        const double took = millisecondsSince(start);
        if (changed) {
            EXPECT_GT(took, 1.0);  // one character at 9600 bit/s before the rate goes back
        } else {
            EXPECT_LT(took, 100.0);
        }
        termios after{};
        ASSERT_EQ(tcgetattr(pty.master(), &after), 0);
        EXPECT_EQ(cfgetospeed(&after), static_cast<speed_t>(B50));
    }
}

TEST_F(PosixSerialPortTest, RefusesLineSettingsItCannotHonour) {
    openPort();
    LineSettings other = trackerLine(19200);
    EXPECT_FALSE(api.setLineSettings(handle, other));
    other = trackerLine(9600);
    other.dsrFlowControl = true;
    EXPECT_FALSE(api.setLineSettings(handle, other));
    other = trackerLine(9600);
    other.dataBits = 9;
    EXPECT_FALSE(api.setLineSettings(handle, other));
}

TEST_F(PosixSerialPortTest, EveryByteValuePassesUnchangedBothWays) {
    openPort(4800, kPatientTimeouts);
    Bytes all(256);
    std::iota(all.begin(), all.end(), std::uint8_t{0});

    pty.send(all);
    Bytes got(256);
    int received = 0;
    const auto start = Clock::now();
    ASSERT_TRUE(api.read(handle, got, received));
    EXPECT_LT(millisecondsSince(start), 900);  // a full buffer ends the read, not the gap
    EXPECT_EQ(received, 256);
    EXPECT_EQ(got, all);

    for (const std::uint8_t byte : all) {
        int written = 0;
        ASSERT_TRUE(api.writeByte(handle, byte, written));
        ASSERT_EQ(written, 1);
    }
    EXPECT_EQ(pty.receive(), all);
}

TEST_F(PosixSerialPortTest, APortIsHeldByOneOpenAtATime) {
    openPort();
    EXPECT_EQ(api.open(pty.slavePath()), kInvalidPortHandle);
    ASSERT_TRUE(api.close(handle));
    handle = api.open(pty.slavePath());
    EXPECT_NE(handle, kInvalidPortHandle);
}

bool markedExclusive(int fd) {
    int exclusive = 0;
    return ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
}

TEST_F(PosixSerialPortTest, AnotherProgramsHoldRefusesThePortAndNamesTheProgram) {
    testing::SeenMessages presenter;
    const PortTable ports{{{"COM2", pty.slavePath()}}};
    SerialLink link{api, ports};
    link.setPortName("COM2");
    {
        testing::PortHolderProcess holder(pty.slavePath());
        EXPECT_FALSE(link.portExists("COM2"));
        EXPECT_FALSE(presenter(link.openPort()));
        EXPECT_EQ(presenter.texts(), Texts{"Could not aquire Com Port"});
        EXPECT_THAT(presenter.details().at(0),
                    ::testing::HasSubstr("(pid " + std::to_string(holder.pid()) + ")"));
    }
    // The refusal touched nothing: once the holder is gone anyone may open it.
    const int other = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(other, 0);
    EXPECT_FALSE(markedExclusive(other));
    ::close(other);
    EXPECT_TRUE(link.portExists("COM2"));
}

TEST_F(PosixSerialPortTest, APortMarkedExclusiveByAnotherProgramIsRefusedAndKeepsItsMark) {
    const int other = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(ioctl(other, TIOCEXCL), 0);
    // Also as root, whom the mark itself would let through.
    EXPECT_EQ(api.open(pty.slavePath()), kInvalidPortHandle);
    EXPECT_TRUE(markedExclusive(other));
    ASSERT_EQ(ioctl(other, TIOCNXCL), 0);
    ::close(other);
    handle = api.open(pty.slavePath());
    EXPECT_NE(handle, kInvalidPortHandle);
}

TEST_F(PosixSerialPortTest, ALiveLockFileRefusesThePortAndAStaleOneIsIgnored) {
    testing::FakeSystemTree tree;
    PosixSerialPortApi lockAware(tree.roots);
    // A terminal program that holds the port by its lock file alone.
    testing::PortHolderProcess holder;
    std::string name = pty.slavePath().substr(std::string("/dev/").size());
    std::replace(name.begin(), name.end(), '/', '_');
    tree.write("lock/LCK.." + name, "      " + std::to_string(holder.pid()));

    const auto attempt = lockAware.tryOpen(pty.slavePath());
    EXPECT_EQ(attempt.handle, kInvalidPortHandle);
    EXPECT_THAT(explainRefusal(pty.slavePath(), attempt.refusal, tree.roots),
                ::testing::HasSubstr("(pid " + std::to_string(holder.pid()) + ")"));

    holder.letGo();
    handle = lockAware.open(pty.slavePath());
    EXPECT_NE(handle, kInvalidPortHandle);
    ASSERT_TRUE(lockAware.close(handle));
    handle = kInvalidPortHandle;
}

TEST(UucpLockFile, NamesItsProcessInEitherForm) {
    const auto binary = [](int pid) { return std::string(reinterpret_cast<char*>(&pid), 4); };
    const std::pair<std::string, int> forms[] = {
        {"      1234\n", 1234},
        {"1234", 1234},
        {binary(1234), 1234},
        // A binary id whose first bytes are digits and a line break.
        {binary('4' | '2' << 8 | '\n' << 16), '4' | '2' << 8 | '\n' << 16},
        {"12 x\n", 0},
        {"none\n", 0},
        {"", 0},
    };
    for (const auto& [content, pid] : forms) {
        EXPECT_EQ(lockOwner(content), pid) << content;
    }
}

TEST_F(PosixSerialPortTest, SomethingThatIsNoTerminalHasNoLineSettings) {
    testing::SeenMessages presenter;
    const PortTable ports{{{"COM1", "/dev/null"}}};
    SerialLink link{api, ports};
    link.setPortName("COM1");
    EXPECT_FALSE(presenter(link.openPort()));
    EXPECT_EQ(presenter.texts(), Texts{"GetCommState failed"});
    EXPECT_FALSE(link.isOpen());
}

TEST_F(PosixSerialPortTest, AClosedHandleNeverClosesTheFileThatTookItsNumber) {
    openPort();
    const PortHandle closed = handle;
    ASSERT_TRUE(api.close(handle));
    handle = kInvalidPortHandle;
    const int reuser = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(reuser, closed);  // the kernel hands out the lowest free number
    EXPECT_FALSE(api.setTimeouts(closed, kTrackerTimeouts));
    EXPECT_FALSE(api.close(closed));
    EXPECT_GE(fcntl(reuser, F_GETFD), 0);
    ::close(reuser);
}

// Timings through the whole link, with the time-outs that openPort sets.
class PosixSerialLinkTimingTest : public PosixSerialPortTest {
  protected:
    PosixSerialLinkTimingTest() { link.setPortName("COM1"); }

    testing::SeenMessages presenter;
    const PortTable ports{{{"COM1", pty.slavePath()}}};
    SerialLink link{api, ports};
};

TEST_F(PosixSerialLinkTimingTest, SilentReadLastsItsWholeTotalTimeout) {
    ASSERT_TRUE(presenter(link.openPort()));
    Bytes buffer(200);
    const auto start = Clock::now();
    EXPECT_EQ(testing::countOf(presenter(link.readBytes(buffer))), 0);
    const double elapsed = millisecondsSince(start);
    EXPECT_GE(elapsed, 700.0);
    EXPECT_LT(elapsed, 1000.0);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(PosixSerialLinkTimingTest, ReadEndsFiftyMillisecondsAfterTheLastByte) {
    ASSERT_TRUE(presenter(link.openPort()));
    Clock::time_point sendStarted;
    Clock::time_point sendDone;
    later(100ms, [&] {
        sendStarted = Clock::now();
        pty.send({0x4F, 0x56, 0x2D});
        sendDone = Clock::now();
    });
    Bytes buffer(200);
    EXPECT_EQ(testing::countOf(presenter(link.readBytes(buffer))), 3);
    const auto end = Clock::now();
    helper.join();
    EXPECT_GE(millisecondsBetween(sendStarted, end), 50.0);
    EXPECT_LT(millisecondsBetween(sendDone, end), 400.0);
}

TEST_F(PosixSerialLinkTimingTest, SilenceBeforeTheFirstByteDoesNotEndTheRead) {
    ASSERT_TRUE(presenter(link.openPort()));
    later(300ms, [&] { pty.send({0x01, 0x02}); });
    Bytes buffer(200);
    EXPECT_EQ(testing::countOf(presenter(link.readBytes(buffer))), 2);
}

TEST_F(PosixSerialPortTest, StalledWriteGivesUpAfterItsTimeout) {
    openPort();
    ASSERT_EQ(tcflow(static_cast<int>(handle), TCOOFF), 0);
    int written = -1;
    const auto start = Clock::now();
    EXPECT_TRUE(api.writeByte(handle, 0x1B, written));
    const double elapsed = millisecondsSince(start);
    EXPECT_EQ(written, 0);
    EXPECT_GE(elapsed, 302.0);
    EXPECT_LT(elapsed, 600.0);

    ASSERT_EQ(tcflow(static_cast<int>(handle), TCOON), 0);
    EXPECT_TRUE(api.writeByte(handle, 0x56, written));
    EXPECT_EQ(written, 1);
    EXPECT_EQ(pty.receive(), Bytes{0x56});
}

TEST_F(PosixSerialPortTest, DeviceVanishingDuringAReadFailsIt) {
    openPort(9600, kPatientTimeouts);
    later(100ms, [&] { pty.closeMaster(); });
    Bytes buffer(200);
    int received = 0;
    const auto start = Clock::now();
    EXPECT_FALSE(api.read(handle, buffer, received));
    EXPECT_LT(millisecondsSince(start), 2000.0);

    // Later calls fail at once rather than waiting out their time-outs.
    int written = 0;
    const auto after = Clock::now();
    EXPECT_FALSE(api.read(handle, buffer, received));
    EXPECT_FALSE(api.writeByte(handle, 0x00, written));
    EXPECT_LT(millisecondsSince(after), 1000.0);
}

TEST_F(PosixSerialPortTest, DeviceVanishingDuringAStalledWriteFailsIt) {
    openPort(9600, kPatientTimeouts);
    ASSERT_EQ(tcflow(static_cast<int>(handle), TCOOFF), 0);
    later(100ms, [&] { pty.closeMaster(); });
    int written = 0;
    const auto start = Clock::now();
    EXPECT_FALSE(api.writeByte(handle, 0x1B, written));
    EXPECT_LT(millisecondsSince(start), 2000.0);
    EXPECT_EQ(written, 0);
}

}  // namespace
}  // namespace qz5
