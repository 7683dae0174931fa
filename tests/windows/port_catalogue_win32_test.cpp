// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <cfgmgr32.h>

#include <string>
#include <vector>

#include "link/open_error_win32.h"
#include "link/port_catalogue_win32.h"
#include "link/serial_port_api_win32.h"

namespace qz5 {
namespace {

using ::testing::HasSubstr;

TEST(PortCatalogueWin32, ReadsTheDeviceRecordsOfThePortsClass) {
    struct Case {
        PortsClassDevice record;
        std::string description;
        std::string serial;
    };
    const std::vector<Case> cases = {
        {{"COM3",
          "Acme Serial Cable (COM3)",
          "Acme",
          "USB\\VID_00AB&PID_12CD&REV_0100",
          "USB\\VID_00AB&PID_12CD\\A1B2C3",
          "acmeser",
          {}},
         "Acme Serial Cable (00ab:12cd)",
         "A1B2C3"},
        // Windows names a device without a serial number itself.
        {{"COM4",
          "USB-SERIAL Widget (COM4)",
          "",
          "USB\\VID_0001&PID_0002",
          "USB\\VID_0001&PID_0002\\5&2B1C2A3E&0&2",
          "",
          {}},
         "USB-SERIAL Widget (0001:0002)",
         ""},
        // A vendor's own bus: the IDs follow a separator of its own.
        {{"COM5",
          "Acme Port",
          "",
          "ACMEBUS\\VID_0003+PID_0004+X1\\0000",
          "ACMEBUS\\X\\0000",
          "",
          {}},
         "Acme Port (0003:0004)",
         ""},
        {{"COM1",
          "Communications Port (COM1)",
          "(Standard port types)",
          "ACPI\\PNP0501",
          "ACPI\\PNP0501\\0",
          "Serial",
          {}},
         "Communications Port",
         ""},
        {{"COM6", "", "", "USB\\VID_000X&PID_0001", "", "", {}}, "serial port", ""},
        {{"COM7", "", "", "USB\\VID_0005&PID_0006", "", "", {}},
         "USB serial device (0005:0006)",
         ""},
    };
    for (const Case& c : cases) {
        const PortDevice port = portDeviceOf(c.record, "\\\\.\\" + c.record.portName);
        EXPECT_EQ(port.description(), c.description) << c.record.friendlyName;
        EXPECT_EQ(port.serial, c.serial) << c.record.instanceId;
        EXPECT_EQ(port.driver, c.record.service);
        EXPECT_EQ(port.devicePath, "\\\\.\\" + c.record.portName);
    }
}

TEST(PortCatalogueWin32, ADeviceWithAProblemIsAnAdapterWithoutPort) {
    PortsClassDevice device{
        "COM8", "Acme Serial Cable (COM8)", "", "USB\\VID_00AB&PID_12CD", "", "", {}};
    EXPECT_EQ(adapterProblem(device), std::nullopt);
    const std::vector<std::pair<unsigned long, std::string>> problems = {
        {CM_PROB_FAILED_INSTALL, "driver is not installed"},
        {CM_PROB_DISABLED, "Enable it in Device Manager"},
        {CM_PROB_FAILED_START, "plug it in again"},
        {CM_PROB_UNSIGNED_DRIVER, "not signed"},
        {CM_PROB_OUT_OF_MEMORY, "problem code 3"},
    };
    for (const auto& [problem, words] : problems) {
        device.problem = problem;
        const auto line = adapterProblem(device);
        ASSERT_TRUE(line) << problem;
        EXPECT_THAT(line->english(), HasSubstr("Acme Serial Cable (00ab:12cd) is plugged in but "
                                               "has no working COM port: "));
        EXPECT_THAT(line->english(), HasSubstr(words));
    }
}

TEST(OpenErrorWin32, SaysWhyAPortDidNotOpen) {
    const std::vector<std::pair<unsigned long, std::string>> cases = {
        {ERROR_ACCESS_DENIED, "another program has COM3 open"},
        {ERROR_SHARING_VIOLATION, "another program has COM3 open"},
        {ERROR_FILE_NOT_FOUND, "Windows has no port COM3 now"},
        {ERROR_PATH_NOT_FOUND, "Windows has no port COM3 now"},
        {ERROR_GEN_FAILURE, "COM3 is there but its adapter does not answer"},
        {ERROR_SEM_TIMEOUT, "COM3 is there but its adapter does not answer"},
        {ERROR_INVALID_PARAMETER, "Windows says: the system's words (error 87)."},
    };
    for (const auto& [error, words] : cases) {
        EXPECT_THAT(explainOpenError(error, "COM3", "the system's words"), HasSubstr(words))
            << error;
    }
    EXPECT_EQ(explainOpenError(ERROR_INVALID_PARAMETER, "COM3", ""),
              "Windows says: unknown error (error 87).");
    EXPECT_THAT(systemErrorText(ERROR_ACCESS_DENIED), ::testing::Not(::testing::EndsWith(".")));
    EXPECT_FALSE(systemErrorText(ERROR_ACCESS_DENIED).empty());
}

TEST(OpenErrorWin32, TheSerialCallsSayWhyTheirOpenFailed) {
    Win32SerialPortApi api;
    EXPECT_THAT(api.openFailure("\\\\.\\COM99").reason, HasSubstr("Windows has no port COM99 now"));
}

}  // namespace
}  // namespace qz5
