// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_link.h"

#include <gtest/gtest.h>

#include "link/port_table.h"
#include "support/fake_serial_port_api.h"
#include "support/seen_messages.h"

namespace qz5 {
namespace {

using Calls = std::vector<std::string>;
using Texts = std::vector<std::string>;

using testing::kFakeDevice;

class SerialLinkPortTest : public ::testing::Test {
  protected:
    SerialLinkPortTest() {
        api.devices.insert(kFakeDevice);
        link.setPortName("COM3");
    }

    // The link's own port opened, with the fault switches cleared afterwards so
    // that only what the test does next is logged.
    void openCleanly() {
        ASSERT_TRUE(seen(link.openPort()));
        api.calls.clear();
    }

    testing::SeenMessages seen;
    testing::FakeSerialPortApi api;
    PortTable ports{{{"COM3", kFakeDevice}}};
    SerialLink link{api, ports};
};

TEST_F(SerialLinkPortTest, PortNameKeepsNineCharactersAndForgetsLongerOnes) {
    link.setPortName("COM12345678");
    EXPECT_STREQ(link.portName(), "COM123456");
    link.setPortName("COM1");
    EXPECT_STREQ(link.portName(), "COM1");
    link.setPortName(std::string_view("CO\0M7", 5));
    EXPECT_STREQ(link.portName(), "CO");

    // The port list's placeholder becomes a name of no port.
    link.setPortName("No COM Ports Found");
    EXPECT_STREQ(link.portName(), "No COM Po");
    EXPECT_FALSE(seen(link.openPort()));
    EXPECT_EQ(seen.texts(), Texts{"Could not aquire Com Port"});
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(api.calls.empty());
}

TEST_F(SerialLinkPortTest, MissingPortsFailToOpenWithOneMessage) {
    SerialLink fresh{api, ports};  // no name set since construction
    EXPECT_FALSE(seen(fresh.openPort()));

    api.devices.clear();  // in the table, but the device does not open
    EXPECT_FALSE(seen(link.openPort()));
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(seen.texts(), (Texts{"Could not aquire Com Port", "Could not aquire Com Port"}));
    EXPECT_EQ(api.calls, Calls{"open /dev/ttyFAKE0 refused"});
}

TEST_F(SerialLinkPortTest, OpenAppliesTheTrackerLineAndTimeouts) {
    api.platformSettings = {.baudRate = 115200,
                            .dataBits = 7,
                            .parityEnabled = true,
                            .twoStopBits = true,
                            .ctsFlowControl = true,
                            .dsrFlowControl = true,
                            .dsrSensitivity = true,
                            .xonXoffOutput = true,
                            .xonXoffInput = true,
                            .dtrAsserted = false,
                            .rtsAsserted = false};
    link.setBaudRate(9600);
    ASSERT_TRUE(seen(link.openPort()));
    EXPECT_TRUE(link.isOpen());
    EXPECT_TRUE(seen.shown.empty());
    EXPECT_EQ(api.calls, (Calls{"open /dev/ttyFAKE0", "get", "set 9600", "timeouts"}));

    const LineSettings& line = *api.appliedSettings;
    EXPECT_EQ(line.baudRate, 9600);
    EXPECT_EQ(line.dataBits, 8);
    EXPECT_FALSE(line.parityEnabled || line.twoStopBits || line.ctsFlowControl ||
                 line.dsrFlowControl || line.dsrSensitivity || line.xonXoffOutput ||
                 line.xonXoffInput);
    EXPECT_TRUE(line.dtrAsserted && line.rtsAsserted);

    const PortTimeouts& timeouts = *api.appliedTimeouts;
    EXPECT_EQ(timeouts.readInterval, 50);
    EXPECT_EQ(timeouts.readTotalMultiplier, 3);
    EXPECT_EQ(timeouts.readTotalConstant, 100);
    EXPECT_EQ(timeouts.writeTotalMultiplier, 2);
    EXPECT_EQ(timeouts.writeTotalConstant, 300);
}

struct OpenFault {
    const char* name;
    bool testing::FakeSerialPortApi::*fault;
    const char* message;
    std::size_t callsUntilFailure;
};

void PrintTo(const OpenFault& fault, std::ostream* os) {
    *os << fault.message;
}

class SerialLinkOpenFaultTest : public SerialLinkPortTest,
                                public ::testing::WithParamInterface<OpenFault> {};

// A device that cannot be set up is let go at once, so no other program is
// kept from it; the close adds no message of its own.
TEST_P(SerialLinkOpenFaultTest, LetsThePortGoSilently) {
    api.*GetParam().fault = true;
    EXPECT_FALSE(seen(link.openPort()));
    EXPECT_EQ(seen.texts(), Texts{GetParam().message});
    EXPECT_EQ(api.calls.size(), GetParam().callsUntilFailure + 1);
    EXPECT_EQ(api.calls.back(), "close");
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(api.openHandles.empty());

    api.*GetParam().fault = false;
    api.calls.clear();
    EXPECT_TRUE(seen(link.openPort()));
    EXPECT_EQ(api.calls, (Calls{"open /dev/ttyFAKE0", "get", "set 4800", "timeouts"}));
    EXPECT_EQ(seen.shown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SerialLinkOpenFaultTest,
    ::testing::Values(OpenFault{"ReadSettings", &testing::FakeSerialPortApi::failGetLineSettings,
                                "GetCommState failed", 2},
                      OpenFault{"ApplySettings", &testing::FakeSerialPortApi::failSetLineSettings,
                                "SetCommState failed", 3},
                      OpenFault{"SetTimeouts", &testing::FakeSerialPortApi::failSetTimeouts,
                                "SetCommTimeouts failed", 4}),
    [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(SerialLinkPortTest, ClosedLinkRefusesEveryTransfer) {
    const std::uint8_t byte = 0x55;
    std::uint8_t buffer[4] = {};
    EXPECT_FALSE(seen(link.writeBytes({&byte, 1})));
    EXPECT_FALSE(seen(link.readBytes(buffer)));
    EXPECT_FALSE(seen(link.closePort()));
    EXPECT_EQ(seen.texts(), Texts(3, "ComPort Invalid"));
    EXPECT_TRUE(api.calls.empty());

    // Closing twice: the second close has nothing left to close.
    openCleanly();
    EXPECT_TRUE(seen(link.closePort()));
    EXPECT_FALSE(seen(link.closePort()));
    EXPECT_EQ(seen.texts().back(), "ComPort Invalid");
    EXPECT_EQ(api.calls, Calls{"close"});
}

TEST_F(SerialLinkPortTest, WritesOneByteAtATimeWithAPauseAfterEach) {
    openCleanly();
    const std::vector<std::uint8_t> data{0x1B, 0x00, 0xFF};
    EXPECT_TRUE(seen(link.writeBytes(data)));
    EXPECT_EQ(api.calls,
              (Calls{"write 1B", "sleep 10", "write 00", "sleep 10", "write FF", "sleep 10"}));

    api.calls.clear();
    EXPECT_TRUE(seen(link.writeBytes({})));
    EXPECT_TRUE(api.calls.empty());
    EXPECT_TRUE(seen.shown.empty());
}

TEST_F(SerialLinkPortTest, FailedWriteStopsAtOnce) {
    openCleanly();
    api.writesBeforeFailure = 1;
    const std::vector<std::uint8_t> data{0x01, 0x02, 0x03};
    EXPECT_FALSE(seen(link.writeBytes(data)));
    EXPECT_EQ(api.calls, (Calls{"write 01", "sleep 10", "write 02 failed"}));
    EXPECT_EQ(seen.texts(), Texts{"ComPort write failed"});
    EXPECT_TRUE(link.isOpen());
}

TEST_F(SerialLinkPortTest, TimedOutWritesAreCountedAtTheEnd) {
    openCleanly();
    api.writesTimeOut = true;
    const std::vector<std::uint8_t> data{0x01, 0x02};
    EXPECT_FALSE(seen(link.writeBytes(data)));
    EXPECT_EQ(api.calls, (Calls{"write 01 timeout", "sleep 10", "write 02 timeout", "sleep 10"}));
    EXPECT_EQ(seen.texts(), Texts{"ComPort write mismatch"});
    EXPECT_TRUE(link.isOpen());
}

TEST_F(SerialLinkPortTest, ReadsReturnWhatArrivedAndLeaveTheRestOfTheBuffer) {
    openCleanly();
    api.replies = {{0x10, 0x20}, {}};
    std::vector<std::uint8_t> buffer(5, 0xEE);
    EXPECT_EQ(testing::countOf(seen(link.readBytes(buffer))), 2);
    EXPECT_EQ(buffer, (std::vector<std::uint8_t>{0x10, 0x20, 0xEE, 0xEE, 0xEE}));
    const Outcome<std::int32_t> silent = seen(link.readBytes(buffer));
    ASSERT_TRUE(silent);  // a silent line is no failure
    EXPECT_EQ(*silent, 0);
    EXPECT_TRUE(seen.shown.empty());

    api.failRead = true;
    EXPECT_FALSE(seen(link.readBytes(buffer)));
    EXPECT_EQ(seen.texts(), Texts{"ComPort read failed"});
    EXPECT_TRUE(link.isOpen());
}

TEST_F(SerialLinkPortTest, FailedCloseKeepsTheLinkOpenAndTheNextOpenGoesOn) {
    openCleanly();
    api.failingCloses = 2;
    EXPECT_FALSE(seen(link.closePort()));
    EXPECT_TRUE(link.isOpen());
    EXPECT_TRUE(seen(link.openPort()));
    EXPECT_EQ(seen.texts(), (Texts{"ComPort Close failed", "ComPort Close failed"}));
    EXPECT_TRUE(link.isOpen());
    EXPECT_EQ(api.calls.front(), "close");
}

TEST_F(SerialLinkPortTest, DestroyingTheLinkReleasesAHeldPortSilently) {
    {
        SerialLink held{api, ports};
        held.setPortName("COM3");
        EXPECT_TRUE(seen(held.openPort()));
    }
    EXPECT_TRUE(api.openHandles.empty());
    EXPECT_TRUE(seen.shown.empty());
}

TEST_F(SerialLinkPortTest, PortExistsProbesWithoutMessagesOrState) {
    EXPECT_TRUE(link.portExists("COM3"));
    EXPECT_FALSE(link.portExists("COM4"));  // not in the table
    api.devices.clear();
    EXPECT_FALSE(link.portExists("COM3"));
    EXPECT_EQ(api.calls, (Calls{"open /dev/ttyFAKE0", "close", "open /dev/ttyFAKE0 refused"}));
    EXPECT_TRUE(seen.shown.empty());
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(api.openHandles.empty());
}

}  // namespace
}  // namespace qz5
