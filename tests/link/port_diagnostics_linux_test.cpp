// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_diagnostics.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "link/serial_port_api_posix.h"
#include "support/fake_system_tree.h"

namespace qz5 {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(PortDiagnosticsTest, PermissionExplainsTheGroupAndTheWayIn) {
    struct Case {
        const char* what;
        DeviceAccess access;
        std::vector<std::string> says;
        std::vector<std::string> saysNot;
    };
    const std::vector<Case> cases{
        {"not a member",
         {"root", "uucp", true, false, false},
         {"\"uucp\"", "sudo usermod -aG uucp \"$USER\"", "log out and in"},
         {"dialout"}},
        {"member since this login began",
         {"root", "dialout", true, false, true},
         {"\"dialout\"", "login session started before", "Log out and in"},
         {"usermod"}},
        {"owner only",
         {"root", "root", false, false, false},
         {"owner \"root\"", "MODE=\"0660\""},
         {"usermod"}},
        {"member and still refused",
         {"root", "dialout", true, true, true},
         {"although you are in the group \"dialout\""},
         {"usermod", "log out"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = explainPermission("/dev/ttyUSB0", c.access);
        for (const std::string& part : c.says) {
            EXPECT_THAT(text, HasSubstr(part));
        }
        for (const std::string& part : c.saysNot) {
            EXPECT_THAT(text, Not(HasSubstr(part)));
        }
    }
}

// Root opens anything, so only an ordinary user sees a real refusal.
TEST(PortDiagnosticsTest, AnUnreadableDeviceIsExplainedByItsOwnerOrGroup) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root is never refused; run as an ordinary user";
    }
    testing::FakeSystemTree tree;
    tree.node("ttyUSB0");
    const std::string device = tree.path("dev/ttyUSB0");
    ASSERT_EQ(chmod(device.c_str(), 0), 0);
    PosixSerialPortApi api(tree.roots);
    const auto attempt = api.tryOpen(device);
    ASSERT_EQ(attempt.handle, kInvalidPortHandle);
    EXPECT_EQ(attempt.refusal.error, EACCES);
    const OpenFailure failure = api.openFailure(device);
    EXPECT_EQ(failure.kind, FailureKind::PortDenied);
    EXPECT_THAT(failure.reason, AllOf(HasSubstr("Permission denied"), HasSubstr("only its owner")));
}

TEST(PortDiagnosticsTest, SandboxesAndVanishedDevicesAreSaidPlainly) {
    testing::FakeSystemTree tree;
    const std::string gone = tree.path("dev/ttyUSB7");
    const OpenRefusal missing{OpenRefusal::Kind::System, ENOENT, 0, {}};
    EXPECT_THAT(explainRefusal(gone, missing, tree.roots),
                AllOf(HasSubstr("is not there"), Not(HasSubstr("Flatpak"))));
    tree.write("flatpak-info", "[Application]");
    EXPECT_THAT(explainRefusal(gone, missing, tree.roots),
                HasSubstr("flatpak override --user --device=all"));
}

TEST(PortDiagnosticsTest, AHolderThatCannotBeSeenIsASystemServiceOrAModemManager) {
    testing::FakeSystemTree tree;
    // A node that nobody has open: the holder is invisible to us.
    tree.node("ttyACM0");
    tree.node("ttyUSB0");
    tree.usbDevice("sys/devices/usb1/1-1", "0001", "0003", "", "", "");
    tree.tty("ttyACM0", "sys/devices/usb1/1-1/1-1:1.0", "cdc_acm", "166:0");
    tree.write("udev/c166:0", "E:ID_MM_CANDIDATE=1");
    const OpenRefusal busy{OpenRefusal::Kind::System, EBUSY, 0, {}};
    EXPECT_THAT(explainRefusal(tree.path("dev/ttyACM0"), busy, tree.roots),
                AllOf(HasSubstr("modem manager"),
                      HasSubstr("ATTRS{idVendor}==\"0001\", ATTRS{idProduct}==\"0003\", "
                                "ENV{ID_MM_DEVICE_IGNORE}=\"1\"")));
    EXPECT_THAT(explainRefusal(tree.path("dev/ttyUSB0"), busy, tree.roots),
                HasSubstr("system service"));
    // Already excluded from probing: no advice to do it again.
    tree.write("udev/c166:0", "E:ID_MM_DEVICE_IGNORE=1");
    EXPECT_THAT(explainRefusal(tree.path("dev/ttyACM0"), busy, tree.roots),
                Not(HasSubstr("ID_MM_DEVICE_IGNORE")));
}

}  // namespace
}  // namespace qz5
