// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/com_port_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qz5 {
namespace {

using namespace std::string_literals;

TEST(ComPortNames, KeepsPortsInNumberOrder) {
    const struct {
        std::wstring list;
        std::vector<std::string> ports;
    } kCases[] = {
        {L""s, {}},
        {L"COM10\0COM2\0C:\0PhysicalDrive0\0COM1\0\0"s, {"COM1", "COM2", "COM10"}},
        // No terminator after the last name, a name given twice.
        {L"COM3\0COM3\0COM12"s, {"COM3", "COM12"}},
        {L"COM\0COM0\0COM03\0COM3x\0com4\0LPT1\0NUL\0COM 5\0xCOM6\0"s, {}},
    };
    for (const auto& [list, ports] : kCases) {
        EXPECT_EQ(comPortNames(list), ports) << ports.size();
    }
}

}  // namespace
}  // namespace qz5
