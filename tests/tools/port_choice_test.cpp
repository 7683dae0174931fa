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

TEST(PortChoice, ComNamesInAnyCaseAndTheDeviceNamespaceGoThroughTheSystemTable) {
    for (const auto& [given, name] :
         std::initializer_list<std::pair<const char*, const char*>>{{"COM1", "COM1"},
                                                                    {"COM20", "COM20"},
                                                                    {"COM21", "COM21"},
                                                                    {"com5", "COM5"},
                                                                    {"cOm255", "COM255"},
                                                                    {"\\\\.\\COM23", "COM23"},
                                                                    {"\\\\.\\com100", "COM100"}}) {
        const auto choice = choosePort(given);
        ASSERT_TRUE(choice) << given;
        EXPECT_EQ(choice->name, name);
        EXPECT_EQ(choice->table.entries(), PortTable::system().entries());
    }
    for (const char* name : {"", "COM", "COM0", "COM256", "COM03", "COM3x", "COM-1", "COM+3",
                             "ttyUSB0", "dev/ttyUSB0", " COM3", "\\\\.\\", "\\\\.\\COM0",
                             "\\\\?\\COM3", "\\COM3", "CON3", "COM99999999999", "auto"}) {
        EXPECT_FALSE(choosePort(name)) << '"' << name << '"';
    }
}

}  // namespace
}  // namespace qz5
