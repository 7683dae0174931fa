// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "common/text.h"
#include "link/system_roots.h"

namespace qz5 {

// What a serial device is, as far as sysfs and udev's database tell. Every
// field may be empty: built-in UARTs have no USB descriptors, containers no
// udev database.
struct PortDevice {
    std::string devicePath;
    std::string driver;
    std::string vendor;  // the database's vendor name, else the USB manufacturer text
    std::string model;   // the database's model name, else the USB product text
    std::string vendorId;
    std::string productId;
    std::string serial;
    std::string byIdPath;  // the stable /dev/serial/by-id/... name

    // One line for a person: "Acme Serial Cable (0001:0002)".
    Text description() const;
};

// Describes one device of the device folder.
PortDevice describePort(const std::string& devicePath, const SystemRoots& roots);

// The kernel driver behind a device ("cdc_acm", "usbserial"); empty if unknown.
std::string portDriver(const std::string& devicePath, const SystemRoots& roots);

// A udev property of the device from udev's database, empty when there is none.
std::string udevProperty(const std::string& devicePath, const std::string& key,
                         const SystemRoots& roots);

// USB serial adapters that are plugged in but have no tty, because something
// took the USB interface away from the serial driver; one line each.
std::vector<Text> adaptersWithoutPort(const SystemRoots& roots);

}  // namespace qz5
