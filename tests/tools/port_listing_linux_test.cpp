// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/port_listing_linux.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "link/pseudo_terminal.h"
#include "link/serial_port_api_posix.h"
#include "support/fake_system_tree.h"
#include "support/port_holder_process.h"
#include "tool_process.h"

namespace qz5 {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(PortListingTest, ListsEveryDeviceWithItsNameAndWhyItCannotBeOpened) {
    testing::FakeSystemTree tree;
    testing::PseudoTerminal free;
    testing::PseudoTerminal held;
    tree.node("ttyUSB0", free.slavePath());
    tree.node("ttyUSB1", held.slavePath());
    tree.node("ttyACM0", tree.path("dev/unplugged"));
    tree.node("ttyACM1");
    // What the device says of itself is any bytes its maker (or forger) chose.
    tree.usbDevice("sys/devices/usb1/1-4", "0001", "0003", "Acme\x1b[31m", "Board\xff", "85\a73");
    tree.tty("ttyACM1", "sys/devices/usb1/1-4/1-4:1.0", "cdc_acm");
    tree.link("dev/serial/by-id/usb-Acme_Board_8573-if00", "../../ttyACM1");
    testing::PortHolderProcess holder(held.slavePath());
    PosixSerialPortApi api(tree.roots);

    std::ostringstream json;
    ASSERT_EQ(runPorts(api, tree.roots, true, json), ExitStatus::Ok);
    const auto ports = nlohmann::json::parse(json.str()).at("ports");
    ASSERT_EQ(ports.size(), 4u);
    EXPECT_EQ(ports[0].at("comName"), "COM1");
    EXPECT_EQ(ports[0].at("device"), tree.path("dev/ttyUSB0"));
    EXPECT_EQ(ports[0].at("openable"), true);
    EXPECT_EQ(ports[0].at("reason"), "");
    EXPECT_EQ(ports[1].at("openable"), false);
    EXPECT_THAT(ports[1].at("reason").get<std::string>(),
                HasSubstr("(pid " + std::to_string(holder.pid()) + ")"));
    EXPECT_EQ(ports[2].at("comName"), "COM3");
    EXPECT_THAT(ports[2].at("reason").get<std::string>(), HasSubstr("is not there"));
    EXPECT_EQ(ports[3].at("description"), "Acme\\x1b[31m Board\\xff (0001:0003)");
    EXPECT_EQ(ports[3].at("model"), "Board\uFFFD");
    EXPECT_EQ(ports[3].at("serial"), "85\a73");
    EXPECT_EQ(ports[3].at("byId"), tree.path("dev/serial/by-id/usb-Acme_Board_8573-if00"));

    std::ostringstream text;
    ASSERT_EQ(runPorts(api, tree.roots, false, text), ExitStatus::Ok);
    EXPECT_THAT(text.str(), StartsWith("COM1  " + tree.path("dev/ttyUSB0")));
    EXPECT_THAT(text.str(), HasSubstr("can be opened\n"));
    EXPECT_THAT(text.str(), HasSubstr("cannot be opened: In use by "));
    EXPECT_THAT(text.str(), HasSubstr("serial 85\\x0773, driver cdc_acm"));
    EXPECT_EQ(text.str().find_first_of("\x1b\a\xff"), std::string::npos);
}

TEST(PortListingTest, TheToolListsThisMachinesPortsAndExplainsARefusedOpen) {
    const testing::ToolRun listing = testing::runTool({"ports", "--json"});
    EXPECT_EQ(listing.status, 0) << listing.err;
    EXPECT_TRUE(nlohmann::json::parse(listing.out).at("ports").is_array());

    testing::PseudoTerminal pty;
    testing::PortHolderProcess holder(pty.slavePath());
    const testing::ToolRun version = testing::runTool({"version", "--port", pty.slavePath()});
    EXPECT_EQ(version.status, 1);
    EXPECT_THAT(version.err, StartsWith("Could not aquire Com Port\nIn use by "));
    EXPECT_THAT(version.err, HasSubstr("(pid " + std::to_string(holder.pid()) + ")"));
}

}  // namespace
}  // namespace qz5
