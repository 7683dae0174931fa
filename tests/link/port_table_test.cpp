// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_table.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace qz5 {
namespace {

namespace fs = std::filesystem;

class PortTableScanTest : public ::testing::Test {
  protected:
    PortTableScanTest() {
        std::string pattern = (fs::temp_directory_path() / "qz5-dev-XXXXXX").string();
        dir = mkdtemp(pattern.data());
    }
    ~PortTableScanTest() override { fs::remove_all(dir); }

    void device(const std::string& name) { std::ofstream(dir / name).put('\0'); }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    fs::path dir;
};

TEST_F(PortTableScanTest, NumbersDevicesByGroupThenByNumber) {
    for (const char* name : {"ttyS1", "rfcomm0", "ttyUSB10", "ttyAMA0", "ttyS0", "ttyUSB2",
                             "ttyACM0", "ttyUSB0", "ttyUSB1"}) {
        device(name);
    }
    fs::create_symlink(path("ttyACM0"), dir / "ttyACM1");
    // Look-alikes that are no serial devices of ours.
    for (const char* name : {"ttyUSB", "ttyUSBx", "ttyS1a", "tty0", "console", "xttyS2"}) {
        device(name);
    }
    fs::create_directory(dir / "ttyS9");

    const PortTable table =
        PortTable::scanSystem({.devDir = dir.string(), .sysRoot = dir.string()});
    const PortTable::Entries expected{{"COM1", path("ttyUSB0")}, {"COM2", path("ttyUSB1")},
                                      {"COM3", path("ttyUSB2")}, {"COM4", path("ttyUSB10")},
                                      {"COM5", path("ttyACM0")}, {"COM6", path("ttyACM1")},
                                      {"COM7", path("ttyS0")},   {"COM8", path("ttyS1")},
                                      {"COM9", path("ttyAMA0")}, {"COM10", path("rfcomm0")}};
    EXPECT_EQ(table.entries(), expected);
}

TEST_F(PortTableScanTest, NamesUpToCom255) {
    for (int i = 0; i < 260; ++i) {
        device("ttyS" + std::to_string(i));
    }
    const PortTable table =
        PortTable::scanSystem({.devDir = dir.string(), .sysRoot = dir.string()});
    EXPECT_EQ(table.entries().size(), 255u);
    EXPECT_EQ(table.devicePath("COM21"), path("ttyS20"));
    EXPECT_EQ(table.devicePath("COM255"), path("ttyS254"));
    EXPECT_FALSE(table.devicePath("COM256"));
}

TEST_F(PortTableScanTest, NumbersTooLongForAnyIntegerStillSort) {
    device("ttyS99999999999999999999999");
    device("ttyS3");
    device("ttyS03");
    const PortTable table =
        PortTable::scanSystem({.devDir = dir.string(), .sysRoot = dir.string()});
    EXPECT_EQ(table.devicePath("COM1"), path("ttyS3"));
    EXPECT_EQ(table.devicePath("COM2"), path("ttyS03"));
    EXPECT_EQ(table.devicePath("COM3"), path("ttyS99999999999999999999999"));
}

TEST(PortTable, MissingDirectoryGivesNoPortsAndExplicitTablesMapOnlyTheirNames) {
    EXPECT_TRUE(PortTable::scanSystem({.devDir = "/nonexistent/qz5-dev"}).entries().empty());

    PortTable table(PortTable::Entries{{"COM3", "/dev/pts/7"}});
    table.assign("COM3", "/dev/pts/8");
    EXPECT_EQ(table.devicePath("COM3"), "/dev/pts/8");
    EXPECT_FALSE(table.devicePath("COM30"));
    EXPECT_FALSE(table.devicePath("com3"));
}

TEST(PortTableFollowTest, PresentDevicesKeepTheirNamesAndNewOnesTakeTheLowestFree) {
    struct Step {
        std::vector<std::string> present;
        PortTable::Entries expected;
    };
    const std::vector<Step> steps{
        {{"/dev/ttyUSB0", "/dev/ttyS0"}, {{"COM1", "/dev/ttyUSB0"}, {"COM2", "/dev/ttyS0"}}},
        // Removing the first frees its name and renames nothing else.
        {{"/dev/ttyS0"}, {{"COM2", "/dev/ttyS0"}}},
        // New devices fill the free names from the lowest, in device order.
        {{"/dev/ttyUSB1", "/dev/ttyACM0", "/dev/ttyS0"},
         {{"COM1", "/dev/ttyUSB1"}, {"COM2", "/dev/ttyS0"}, {"COM3", "/dev/ttyACM0"}}},
        {{}, {}},
    };
    PortTable table;
    for (const Step& step : steps) {
        table.follow(step.present);
        EXPECT_EQ(table.entries(), step.expected);
    }
    std::vector<std::string> many;
    for (int i = 0; i < 257; ++i) {
        many.push_back("/dev/ttyUSB" + std::to_string(i));
    }
    table.follow(many);
    EXPECT_EQ(table.entries().size(), 255u);
    EXPECT_EQ(table.nameOf("/dev/ttyUSB254"), "COM255");
    EXPECT_EQ(table.nameOf("/dev/ttyUSB255"), std::nullopt);
}

}  // namespace
}  // namespace qz5
