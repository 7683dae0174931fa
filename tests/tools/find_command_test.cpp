// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/find_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>

#include "link/port_table.h"
#include "link/serial_port_api_posix.h"
#include "sim/pty_tracker.h"
#include "support/fake_system_tree.h"
#include "support/port_holder_process.h"
#include "support/recording_presenter.h"

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
    EXPECT_THAT(text, HasSubstr("COM3: not asked, "));
    EXPECT_THAT(text, HasSubstr("COM4: not asked, "));
    EXPECT_TRUE(trackers[2]->received().empty()) << "a port held by flock was asked";
    EXPECT_TRUE(trackers[3]->received().empty()) << "a port held by a lock file was asked";
    EXPECT_FALSE(trackers[0]->received().empty());
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
