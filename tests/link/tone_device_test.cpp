// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/tone_device.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "link/port_table.h"
#include "link/pseudo_terminal.h"
#include "support/fake_system_tree.h"

namespace qz5 {
namespace {

// An adapter keeps its by-id name from one plug-in to the next, whatever node
// it gets; without one, only the same node of the same device counts.
TEST(ToneDevice, IsFoundAgainOnlyWhereTheSameDeviceIs) {
    testing::FakeSystemTree tree;
    testing::PseudoTerminal adapter, other, newcomer;
    tree.node("ttyUSB0", adapter.slavePath());
    tree.node("ttyACM0", other.slavePath());
    tree.link("dev/serial/by-id/usb-Acme_Cable_A1-if00-port0", "../../ttyUSB0");
    const auto keyed = ToneDevice::at(tree.path("dev/ttyUSB0"), tree.roots);
    const auto plain = ToneDevice::at(tree.path("dev/ttyACM0"), tree.roots);
    ASSERT_TRUE(keyed && plain);
    EXPECT_FALSE(keyed->byIdName.empty());
    EXPECT_TRUE(plain->byIdName.empty());
    EXPECT_FALSE(ToneDevice::at(tree.path("dev/gone"), tree.roots));
    const PortTable before{
        {{"COM1", tree.path("dev/ttyUSB0")}, {"COM2", tree.path("dev/ttyACM0")}}};
    EXPECT_EQ(keyed->nameIn(before, tree.roots), "COM1");
    EXPECT_EQ(plain->nameIn(before, tree.roots), "COM2");

    // Both unplugged; the adapter comes back as ttyUSB1, and a newcomer takes
    // both old names.
    std::filesystem::remove(tree.path("dev/ttyUSB0"));
    std::filesystem::remove(tree.path("dev/ttyACM0"));
    std::filesystem::remove(tree.path("dev/serial/by-id/usb-Acme_Cable_A1-if00-port0"));
    tree.node("ttyUSB0", newcomer.slavePath());
    tree.node("ttyACM0", newcomer.slavePath());
    tree.node("ttyUSB1", adapter.slavePath());
    tree.link("dev/serial/by-id/usb-Acme_Cable_A1-if00-port0", "../../ttyUSB1");
    const PortTable ports{{{"COM1", tree.path("dev/ttyUSB0")},
                           {"COM2", tree.path("dev/ttyUSB1")},
                           {"COM3", tree.path("dev/ttyACM0")}}};
    EXPECT_EQ(keyed->nameIn(ports, tree.roots), "COM2");
    EXPECT_EQ(plain->nameIn(ports, tree.roots), std::nullopt);
}

}  // namespace
}  // namespace qz5
