// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_catalogue.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "common/outside_text.h"

namespace qz5 {

namespace {

namespace fs = std::filesystem;

// CH340/CH341 adapters are the ones a braille-display service claims.
constexpr const char* kClaimedAdapterVendor = "1a86";

std::string firstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
        line.pop_back();
    }
    return line;
}

std::string linkName(const fs::path& link) {
    std::error_code error;
    const fs::path target = fs::read_symlink(link, error);
    return error ? std::string() : target.filename().string();
}

// The kernel's name of a device: a link in the device folder stands for the
// node it points at.
std::string kernelName(const std::string& devicePath) {
    std::error_code error;
    const fs::path real = fs::canonical(devicePath, error);
    return (error ? fs::path(devicePath) : real).filename().string();
}

fs::path ttyFolder(const std::string& devicePath, const SystemRoots& roots) {
    return fs::path(roots.sysRoot) / "class/tty" / kernelName(devicePath);
}

// The USB device (the folder with idVendor) that a tty hangs under.
std::optional<fs::path> usbDeviceOf(const fs::path& sysDevice, const fs::path& sysRoot) {
    std::error_code error;
    fs::path folder = fs::canonical(sysDevice, error);
    const fs::path top = fs::canonical(sysRoot, error);
    if (error) {
        return std::nullopt;
    }
    for (; folder.has_relative_path() && folder != top; folder = folder.parent_path()) {
        if (fs::exists(folder / "idVendor", error)) {
            return folder;
        }
    }
    return std::nullopt;
}

std::string byIdLink(const std::string& devicePath, const SystemRoots& roots) {
    std::error_code error;
    const fs::path real = fs::canonical(devicePath, error);
    if (error) {
        return {};
    }
    const fs::path folder = fs::path(roots.devDir) / "serial/by-id";
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code linkError;
        if (fs::canonical(it->path(), linkError) == real && !linkError) {
            return it->path().string();
        }
    }
    return {};
}

std::string joined(const std::string& a, const std::string& b) {
    return a.empty() ? b : b.empty() ? a : a + " " + b;
}

}  // namespace

Text PortDevice::description() const {
    // The descriptors are whatever the device's maker (or forger) wrote.
    Text text = printableText(joined(vendor, model));
    const std::string ids = vendorId.empty() ? std::string() : vendorId + ":" + productId;
    if (text.empty()) {
        const std::string name = fs::path(devicePath).filename().string();
        text = !ids.empty() ? say("Ports", "USB serial device")
               : name.starts_with("ttyS") || name.starts_with("ttyAMA")
                   ? say("Ports", "built-in serial port")
               : name.starts_with("rfcomm") ? say("Ports", "Bluetooth serial link")
                                            : say("Ports", "serial device");
    }
    return ids.empty() ? text
                       : say("Ports", "%1 (%2)", "a device and its USB ids")
                             .with(std::move(text), printableText(ids));
}

std::string portDriver(const std::string& devicePath, const SystemRoots& roots) {
    return linkName(ttyFolder(devicePath, roots) / "device/driver");
}

std::string udevProperty(const std::string& devicePath, const std::string& key,
                         const SystemRoots& roots) {
    // udev keeps a device's properties in a file named after its numbers.
    const std::string numbers = firstLine(ttyFolder(devicePath, roots) / "dev");
    if (numbers.empty()) {
        return {};
    }
    std::ifstream in(fs::path(roots.udevDataDir) / ("c" + numbers));
    const std::string prefix = "E:" + key + "=";
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(prefix)) {
            return line.substr(prefix.size());
        }
    }
    return {};
}

PortDevice describePort(const std::string& devicePath, const SystemRoots& roots) {
    PortDevice port;
    port.devicePath = devicePath;
    port.driver = portDriver(devicePath, roots);
    port.byIdPath = byIdLink(devicePath, roots);
    if (const auto usb = usbDeviceOf(ttyFolder(devicePath, roots) / "device", roots.sysRoot)) {
        port.vendorId = firstLine(*usb / "idVendor");
        port.productId = firstLine(*usb / "idProduct");
        port.vendor = firstLine(*usb / "manufacturer");
        port.model = firstLine(*usb / "product");
        port.serial = firstLine(*usb / "serial");
    }
    // The hardware database knows names that cheap adapters do not report.
    if (std::string vendor = udevProperty(devicePath, "ID_VENDOR_FROM_DATABASE", roots);
        !vendor.empty()) {
        port.vendor = std::move(vendor);
    }
    if (std::string model = udevProperty(devicePath, "ID_MODEL_FROM_DATABASE", roots);
        !model.empty()) {
        port.model = std::move(model);
    }
    return port;
}

std::vector<Text> adaptersWithoutPort(const SystemRoots& roots) {
    std::vector<Text> found;
    std::error_code error;
    const fs::path devices = fs::path(roots.sysRoot) / "bus/usb/devices";
    for (fs::directory_iterator it(devices, error), end; !error && it != end; it.increment(error)) {
        // Interfaces are named "1-2:1.0"; the device is the folder above.
        const std::string name = it->path().filename().string();
        std::error_code linkError;
        const fs::path interface = fs::canonical(it->path(), linkError);
        if (name.find(':') == std::string::npos || linkError ||
            linkName(interface / "driver") != "usbfs") {
            continue;
        }
        const fs::path device = interface.parent_path();
        if (firstLine(device / "idVendor") != kClaimedAdapterVendor) {
            continue;
        }
        bool hasTty = false;
        for (fs::directory_iterator child(interface, linkError), last; !linkError && child != last;
             child.increment(linkError)) {
            hasTty = hasTty || child->path().filename().string().starts_with("tty");
        }
        if (!hasTty) {
            found.push_back(
                say("Ports",
                    "A USB serial adapter (CH340/CH341, %1, USB %2) is plugged in but has no "
                    "serial port: a braille-display service took it over right after it was "
                    "attached. If no braille display is used here, remove or disable that "
                    "service (or its udev rule for this adapter), then plug the adapter in again.",
                    "%1 is the adapter's USB ids, %2 where it is plugged in")
                    .with(firstLine(device / "idVendor") + ":" +
                              printableText(firstLine(device / "idProduct")),
                          device.filename().string()));
        }
    }
    return found;
}

}  // namespace qz5
