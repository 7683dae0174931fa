// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_catalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "link/port_table.h"
#include "support/fake_system_tree.h"

namespace qz5 {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A machine with a USB adapter, a CDC-ACM device known to udev's hardware
// database, one real and one phantom built-in UART, and a CH340 that a
// braille-display service took away from its serial driver.
class PortCatalogueTest : public ::testing::Test {
  protected:
    PortCatalogueTest() {
        for (const char* name : {"ttyUSB0", "ttyACM0", "ttyS0", "ttyS1"}) {
            tree.node(name);
        }
        tree.usbDevice("sys/devices/usb1/1-1", "0001", "0002", "Acme", "Serial Cable", "A50285BI");
        tree.tty("ttyUSB0", "sys/devices/usb1/1-1/1-1:1.0/ttyUSB0", "usbserial", "188:0");
        tree.link("dev/serial/by-id/usb-Acme_Serial_Cable_A50285BI-if00-port0", "../../ttyUSB0");

        tree.usbDevice("sys/devices/usb1/1-3", "0001", "0003", "", "", "");
        tree.tty("ttyACM0", "sys/devices/usb1/1-3/1-3:1.0", "cdc_acm", "166:0");
        tree.write("udev/c166:0",
                   "E:ID_VENDOR_FROM_DATABASE=Acme Devices\nE:ID_MODEL_FROM_DATABASE=Modem Board "
                   "(CDC ACM)");

        tree.tty("ttyS0", "sys/devices/platform/serial8250", "serial8250");
        tree.write("sys/class/tty/ttyS0/type", "0");
        tree.tty("ttyS1", "sys/devices/pnp0/00:01", "serial");
        tree.write("sys/class/tty/ttyS1/type", "4");

        tree.usbDevice("sys/devices/usb1/1-2", "1a86", "7523", "", "USB Serial", "");
        tree.link("sys/devices/usb1/1-2/1-2:1.0/driver", tree.path("sys/bus/drivers/usbfs"));
        tree.link("sys/bus/usb/devices/1-2:1.0", tree.path("sys/devices/usb1/1-2/1-2:1.0"));
        tree.link("sys/bus/usb/devices/1-2", tree.path("sys/devices/usb1/1-2"));
    }

    std::string dev(const std::string& name) const { return tree.path("dev/" + name); }

    testing::FakeSystemTree tree;
};

TEST_F(PortCatalogueTest, PhantomUartsAreNoCandidates) {
    EXPECT_THAT(PortTable::serialDevices(tree.roots),
                ElementsAre(dev("ttyUSB0"), dev("ttyACM0"), dev("ttyS1")));
}

TEST_F(PortCatalogueTest, DescribesEachDeviceFromSysfsAndTheHardwareDatabase) {
    const PortDevice usb = describePort(dev("ttyUSB0"), tree.roots);
    EXPECT_EQ(usb.description(), "Acme Serial Cable (0001:0002)");
    EXPECT_EQ(usb.serial, "A50285BI");
    EXPECT_EQ(usb.driver, "usbserial");
    EXPECT_EQ(usb.byIdPath,
              tree.path("dev/serial/by-id/usb-Acme_Serial_Cable_A50285BI-if00-port0"));

    const PortDevice acm = describePort(dev("ttyACM0"), tree.roots);
    EXPECT_EQ(acm.description(), "Acme Devices Modem Board (CDC ACM) (0001:0003)");
    EXPECT_EQ(acm.driver, "cdc_acm");
    EXPECT_EQ(acm.byIdPath, "");

    EXPECT_EQ(describePort(dev("ttyS1"), tree.roots).description(), "built-in serial port");
}

TEST_F(PortCatalogueTest, AnAdapterTakenFromItsSerialDriverIsFound) {
    const auto adapters = adaptersWithoutPort(tree.roots);
    ASSERT_EQ(adapters.size(), 1u);
    EXPECT_THAT(adapters[0].english(), HasSubstr("1a86:7523"));
    EXPECT_THAT(adapters[0].english(), HasSubstr("braille-display service"));
    // With its tty in place, the adapter is fine.
    tree.write("sys/devices/usb1/1-2/1-2:1.0/ttyUSB1/.present", "");
    EXPECT_TRUE(adaptersWithoutPort(tree.roots).empty());
}

}  // namespace
}  // namespace qz5
