// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/port_choice.h"

#include <gtest/gtest.h>

namespace qz5 {
namespace {

TEST(PortChoice, DevicePathsGetATableOfTheirOwn) {
    // Longer than the 9 characters the link keeps of a name.
    const auto choice = choosePort("/dev/serial/by-id/usb-tracker-if00");
    ASSERT_TRUE(choice);
    EXPECT_LE(choice->name.size(), 9u);
    EXPECT_EQ(choice->table.devicePath(choice->name), "/dev/serial/by-id/usb-tracker-if00");
}

TEST(PortChoice, ComNamesGoThroughTheSystemTable) {
    for (const char* name : {"COM1", "COM9", "COM20"}) {
        const auto choice = choosePort(name);
        ASSERT_TRUE(choice) << name;
        EXPECT_EQ(choice->name, name);
        EXPECT_EQ(choice->table.entries(), PortTable::system().entries());
    }
    for (const char* name : {"", "COM", "COM0", "COM21", "COM03", "COM3x", "COM-1", "com3",
                             "ttyUSB0", "dev/ttyUSB0", " COM3"}) {
        EXPECT_FALSE(choosePort(name)) << '"' << name << '"';
    }
}

}  // namespace
}  // namespace qz5
