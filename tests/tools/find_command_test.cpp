// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/find_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>

#include "link/port_table.h"
#include "link/serial_link.h"
#include "link/serial_port_api_posix.h"
#include "sim/pty_tracker.h"
#include "support/fake_system_tree.h"
#include "support/port_holder_process.h"
#include "support/recording_presenter.h"
#include "tools/qz5cfg/port_listing_linux.h"

namespace qz5 {
namespace {

using ::testing::HasSubstr;

// Serial devices in a fake /dev, each a link to a simulated tracker.
class FindCommandTest : public ::testing::Test {
  protected:
    void add(const std::string& device, TrackerModel model, bool silent = false) {
        addTo(tree, device, std::move(model), silent);
    }
    void addTo(const testing::FakeSystemTree& folder, const std::string& device, TrackerModel model,
               bool silent) {
        trackers.push_back(std::make_unique<PtyTracker>(std::move(model)));
        trackers.back()->setFaults({.silent = silent});
        folder.node(device, trackers.back()->slavePath());
    }

    // A terminal program's lock file, naming a process that runs.
    void lockByFile(const std::string& device, int pid) {
        char text[16];
        std::snprintf(text, sizeof text, "%10d", pid);
        tree.write("lock/LCK.." + device, text);
    }

    testing::FakeSystemTree tree;
    testing::RecordingPresenter presenter;
    std::vector<std::unique_ptr<PtyTracker>> trackers;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(FindCommandTest, AsksOnlyFreePortsAndSaysWhatAnsweredAtWhichRate) {
    add("ttyUSB0", TrackerModel(), true);
    add("ttyUSB1", TrackerModel(9600));
    add("ttyUSB2", TrackerModel());
    add("ttyACM0", TrackerModel());
    testing::PortHolderProcess flockHolder(trackers[2]->slavePath());
    testing::PortHolderProcess lockFileHolder;
    lockByFile("ttyACM0", lockFileHolder.pid());
    PosixSerialPortApi api(tree.roots);

    EXPECT_EQ(runFindTracker(api, PortTable::scanSystem(tree.roots), out, err, true),
              ExitStatus::Ok);

    EXPECT_THAT(err.str(), HasSubstr("DTR and RTS raised"));
    EXPECT_THAT(err.str(), HasSubstr("Asking COM2 at 9600 bit/s (port 2 of 4)"));
    const std::string text = out.str();
    EXPECT_THAT(text, HasSubstr("COM1: no answer\n"));
    EXPECT_THAT(text, HasSubstr("COM2 at 9600 bit/s: OV-QZ5"));
    EXPECT_THAT(text, HasSubstr("COM3: held by another program: passed over\n"));
    EXPECT_THAT(text, HasSubstr("COM4: not asked, "));
    EXPECT_TRUE(trackers[2]->received().empty()) << "a port held by flock was asked";
    EXPECT_TRUE(trackers[3]->received().empty()) << "a port held by a lock file was asked";
    EXPECT_FALSE(trackers[0]->received().empty());
}

// A line as its holder set it up: a rate, a frame and flags that are nobody's
// default, so that any of them changed shows.
termios unusualLine(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios line{};
    EXPECT_EQ(tcgetattr(fd, &line), 0);
    cfsetspeed(&line, B2400);
    line.c_cflag = (line.c_cflag & ~(CSIZE | CLOCAL)) | CS7 | PARENB | CSTOPB;
    line.c_iflag |= IXON | ICRNL;
    line.c_lflag |= ICANON;
    EXPECT_EQ(tcsetattr(fd, TCSANOW, &line), 0);
    EXPECT_EQ(tcgetattr(fd, &line), 0);
    ::close(fd);
    return line;
}

termios lineNow(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios line{};
    EXPECT_EQ(tcgetattr(fd, &line), 0);
    ::close(fd);
    return line;
}

bool sameLine(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && cfgetispeed(&a) == cfgetispeed(&b) &&
           cfgetospeed(&a) == cfgetospeed(&b);
}

// Every way the program opens a port leaves its line as it found it, asked
// or not; the search alone passes over a port that another program has open.
TEST_F(FindCommandTest, EveryPortOpenedGetsItsLineBackAndAHeldOneIsLeftAlone) {
    using Hold = testing::PortHolderProcess::Hold;
    struct Case {
        const char* name;
        bool silent;
        std::optional<Hold> held;
        std::function<void(PosixSerialPortApi&, const SystemRoots&)> run;
        bool asked;
    };
    const auto search = [this](PosixSerialPortApi& api, const SystemRoots& roots) {
        runFindTracker(api, PortTable::scanSystem(roots), out, err, false);
    };
    const auto named = [](PosixSerialPortApi& api, const SystemRoots& roots) {
        const PortTable table = PortTable::scanSystem(roots);
        SerialLink link(api, table);
        link.setPortName("COM1");
        std::array<char, 32> reply{};
        static_cast<void>(link.queryVersion(std::span(reply).first(30)));
    };
    const Case cases[] = {
        {"ports", true, std::nullopt,
         [this](PosixSerialPortApi& api, const SystemRoots& roots) {
             runPorts(api, roots, false, out);
         },
         false},
        {"ports --find, silence", true, std::nullopt, search, true},
        {"ports --find, an answer", false, std::nullopt, search, true},
        {"ports --find, held without a lock", false, Hold::OpenOnly, search, false},
        {"a port named, held without a lock", false, Hold::OpenOnly, named, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testing::FakeSystemTree fresh;
        trackers.clear();
        out.str({});
        addTo(fresh, "ttyUSB0", TrackerModel(), c.silent);
        const std::string device = trackers[0]->slavePath();
        const termios before = unusualLine(device);
        std::optional<testing::PortHolderProcess> holder;
        if (c.held) {
            holder.emplace(device, *c.held);
        }
        trackers[0]->clearReceived();
        PosixSerialPortApi api(fresh.roots);
        c.run(api, fresh.roots);
        EXPECT_TRUE(sameLine(lineNow(device), before));
        EXPECT_EQ(trackers[0]->received().empty(), !c.asked);
        if (c.held && !c.asked) {
            EXPECT_EQ(out.str(), "COM1: held by another program: passed over\n");
        }
    }
}

TEST_F(FindCommandTest, AutoNeedsExactlyOneAnswer) {
    struct Case {
        std::vector<bool> silent;
        std::optional<std::string> port;
        const char* complaint;
    };
    for (const Case& c : {Case{{true, false}, "COM2", ""},
                          Case{{true, true}, std::nullopt, "no tracker answered on any free port"},
                          Case{{false, false}, std::nullopt, "each of COM1, COM2; name one"},
                          Case{{}, std::nullopt, "no tracker answered"}}) {
        const testing::FakeSystemTree fresh;
        trackers.clear();
        presenter.shown.clear();
        for (std::size_t i = 0; i < c.silent.size(); ++i) {
            addTo(fresh, "ttyUSB" + std::to_string(i), TrackerModel(), c.silent[i]);
        }
        PosixSerialPortApi api(fresh.roots);
        const auto choice = findAutoPort(api, PortTable::scanSystem(fresh.roots), err, false);
        ASSERT_EQ(choice.has_value(), c.port.has_value()) << c.complaint;
        if (choice) {
            EXPECT_EQ(choice->name, *c.port);
            EXPECT_EQ(choice->table.devicePath(choice->name), fresh.path("dev/ttyUSB1"));
            EXPECT_TRUE(presenter.shown.empty());
        } else {
            ASSERT_EQ(presenter.shown.size(), 1u);
            EXPECT_THAT(presenter.shown[0].text, HasSubstr(c.complaint));
        }
    }
}

}  // namespace
}  // namespace qz5
