// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_rescan.h"

#include <gtest/gtest.h>

namespace qz5 {
namespace {

using Paths = std::set<std::string>;

TEST(PortRescan, OnlyListedDevicesPresentAsTheyWereAreKeptWithoutAnOpen) {
    const DeviceIdentity usb0{"/dev/ttyUSB0", 0xBC00, 0, 020660};
    const DeviceIdentity acm0{"/dev/ttyACM0", 0xA600, 0, 020660};
    DeviceIdentity replugged = usb0;  // another device under the same name
    replugged.deviceNumber = 0xBC01;
    DeviceIdentity regrouped = usb0;  // given to another owner
    regrouped.owner = 1000;
    DeviceIdentity opened = usb0;  // made readable by all
    opened.mode = 020666;
    struct Case {
        const char* name;
        std::vector<DeviceIdentity> listed;
        std::vector<DeviceIdentity> present;
        Paths kept;
    };
    const Case cases[] = {
        {"unchanged", {usb0, acm0}, {usb0, acm0}, {"/dev/ttyUSB0", "/dev/ttyACM0"}},
        {"new or refused before", {usb0}, {usb0, acm0}, {"/dev/ttyUSB0"}},
        {"gone", {usb0, acm0}, {acm0}, {"/dev/ttyACM0"}},
        {"another device", {usb0}, {replugged}, {}},
        {"another owner", {usb0}, {regrouped}, {}},
        {"another mode", {usb0}, {opened}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(devicesListedAsBefore(c.listed, c.present), c.kept) << c.name;
    }
}

}  // namespace
}  // namespace qz5
