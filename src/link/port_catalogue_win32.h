// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "link/port_catalogue.h"

namespace qz5 {

// What Windows' device manager records of one device of its Ports class, as
// describePort and adaptersWithoutPort read it.
struct PortsClassDevice {
    std::string portName;      // "COM3"
    std::string friendlyName;  // "USB Serial Port (COM3)"
    std::string manufacturer;
    std::string hardwareId;  // the most specific one: "USB\VID_0001&PID_0002&REV_0100"
    std::string instanceId;  // "USB\VID_0001&PID_0002\A1B2C3"
    std::string service;     // its driver: "usbser"
    std::optional<unsigned long> problem;  // Device Manager's problem code
};

// The Ports class's devices now present, through SetupAPI.
std::vector<PortsClassDevice> portsClassDevices();

// The description of the port at `devicePath` ("\\.\COM3") from its record.
PortDevice portDeviceOf(const PortsClassDevice& device, const std::string& devicePath);

// One line on a device that has no working port, with what to do; nothing
// when it works.
std::optional<Text> adapterProblem(const PortsClassDevice& device);

}  // namespace qz5
