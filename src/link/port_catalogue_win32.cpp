// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_catalogue_win32.h"

// The Ports class's GUID is defined here, where devguid.h follows initguid.h.
// clang-format off
#include <windows.h>
#include <initguid.h>
#include <devguid.h>
#include <cfgmgr32.h>
#include <setupapi.h>
// clang-format on

#include <algorithm>
#include <cctype>
#include <string_view>

#include "common/wide_text_win32.h"

namespace qz5 {

namespace {

// The four hex digits after "VID_" or "PID_", in lower case as USB tools show them.
std::string usbId(std::string_view id, std::string_view key) {
    const std::size_t at = id.find(key);
    if (at == std::string_view::npos || id.size() < at + key.size() + 4) {
        return {};
    }
    std::string digits(id.substr(at + key.size(), 4));
    if (!std::all_of(digits.begin(), digits.end(),
                     [](unsigned char c) { return std::isxdigit(c); })) {
        return {};
    }
    std::transform(digits.begin(), digits.end(), digits.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return digits;
}

// A USB device's instance ends in its serial number when it reports one, and
// in a name Windows made up ("5&2b1c2a3e&0&2") when it does not.
std::string usbSerial(std::string_view instanceId) {
    if (!instanceId.starts_with("USB\\")) {
        return {};
    }
    const std::string_view last = instanceId.substr(instanceId.rfind('\\') + 1);
    return last.find('&') == std::string_view::npos ? std::string(last) : std::string();
}

// Drivers add " (COM3)" to the name; the list already shows the port's name.
std::string withoutPortName(const std::string& friendlyName, const std::string& portName) {
    const std::string suffix = " (" + portName + ")";
    if (!portName.empty() && friendlyName.ends_with(suffix)) {
        return friendlyName.substr(0, friendlyName.size() - suffix.size());
    }
    return friendlyName;
}

Text problemWords(unsigned long problem) {
    switch (problem) {
        case CM_PROB_NOT_CONFIGURED:
        case CM_PROB_FAILED_INSTALL:
            return say("Ports",
                       "its driver is not installed. Install the driver from the adapter's maker, "
                       "or let Device Manager look for one (Update driver)");
        case CM_PROB_DISABLED:
            return say("Ports", "it is disabled. Enable it in Device Manager (Ports (COM & LPT))");
        case CM_PROB_FAILED_START:
        case CM_PROB_FAILED_POST_START:
            return say("Ports",
                       "its driver could not start it. Unplug the adapter and plug it in again; "
                       "if that does not help, reinstall its driver");
        case CM_PROB_UNSIGNED_DRIVER:
            return say("Ports",
                       "Windows refused its driver, which is not signed. Install a signed driver "
                       "from the adapter's maker");
        default:
            return say("Ports",
                       "Device Manager reports problem code %1 for it (see the device's "
                       "Properties there)")
                .with(std::to_string(problem));
    }
}

std::string narrow(std::wstring_view text) {
    return narrowText(text.substr(0, text.find(L'\0')), CP_UTF8);
}

std::string registryProperty(HDEVINFO set, SP_DEVINFO_DATA& data, DWORD property) {
    DWORD size = 0;
    SetupDiGetDeviceRegistryPropertyW(set, &data, property, nullptr, nullptr, 0, &size);
    if (size == 0) {
        return {};
    }
    std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (!SetupDiGetDeviceRegistryPropertyW(set, &data, property, nullptr,
                                           reinterpret_cast<BYTE*>(buffer.data()), size, nullptr)) {
        return {};
    }
    return narrow(buffer);  // of a list of IDs, the first and most specific
}

std::string portNameOf(HDEVINFO set, SP_DEVINFO_DATA& data) {
    const HKEY key =
        SetupDiOpenDevRegKey(set, &data, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
    if (key == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::wstring name(64, L'\0');
    DWORD size = static_cast<DWORD>(name.size() * sizeof(wchar_t));
    DWORD type = 0;
    const LONG status = RegQueryValueExW(key, L"PortName", nullptr, &type,
                                         reinterpret_cast<BYTE*>(name.data()), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_SZ ? narrow(name) : std::string();
}

std::string instanceIdOf(HDEVINFO set, SP_DEVINFO_DATA& data) {
    std::wstring id(MAX_DEVICE_ID_LEN + 1, L'\0');
    if (!SetupDiGetDeviceInstanceIdW(set, &data, id.data(), static_cast<DWORD>(id.size()),
                                     nullptr)) {
        return {};
    }
    return narrow(id);
}

std::optional<unsigned long> problemOf(DEVINST instance) {
    ULONG status = 0;
    ULONG problem = 0;
    if (CM_Get_DevNode_Status(&status, &problem, instance, 0) != CR_SUCCESS ||
        (status & DN_HAS_PROBLEM) == 0) {
        return std::nullopt;
    }
    return problem;
}

}  // namespace

std::vector<PortsClassDevice> portsClassDevices() {
    std::vector<PortsClassDevice> devices;
    const HDEVINFO set =
        SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) {
        return devices;
    }
    SP_DEVINFO_DATA data{};
    data.cbSize = sizeof data;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &data); ++index) {
        devices.push_back({portNameOf(set, data), registryProperty(set, data, SPDRP_FRIENDLYNAME),
                           registryProperty(set, data, SPDRP_MFG),
                           registryProperty(set, data, SPDRP_HARDWAREID), instanceIdOf(set, data),
                           registryProperty(set, data, SPDRP_SERVICE), problemOf(data.DevInst)});
    }
    SetupDiDestroyDeviceInfoList(set);
    return devices;
}

PortDevice portDeviceOf(const PortsClassDevice& device, const std::string& devicePath) {
    PortDevice port;
    port.devicePath = devicePath;
    port.driver = device.service;
    port.vendor = device.manufacturer;
    port.model = withoutPortName(device.friendlyName, device.portName);
    port.vendorId = usbId(device.hardwareId, "VID_");
    port.productId = usbId(device.hardwareId, "PID_");
    port.serial = usbSerial(device.instanceId);
    return port;
}

std::optional<Text> adapterProblem(const PortsClassDevice& device) {
    if (!device.problem) {
        return std::nullopt;
    }
    const PortDevice port = portDeviceOf(device, device.portName);
    return say("Ports", "%1 is plugged in but has no working COM port: %2.",
               "%1 is the device, %2 what Device Manager reports and what to do")
        .with(port.description(), problemWords(*device.problem));
}

Text PortDevice::description() const {
    const std::string ids = vendorId.empty() ? std::string() : vendorId + ":" + productId;
    Text text = !model.empty() ? Text(model)
                : ids.empty()  ? say("Ports", "serial port")
                               : say("Ports", "USB serial device");
    return ids.empty()
               ? text
               : say("Ports", "%1 (%2)", "a device and its USB ids").with(std::move(text), ids);
}

PortDevice describePort(const std::string& devicePath, const SystemRoots&) {
    const std::string name = devicePath.substr(devicePath.find_last_of('\\') + 1);
    for (const PortsClassDevice& device : portsClassDevices()) {
        if (device.portName == name) {
            return portDeviceOf(device, devicePath);
        }
    }
    PortDevice unknown;
    unknown.devicePath = devicePath;
    return unknown;
}

std::vector<Text> adaptersWithoutPort(const SystemRoots&) {
    std::vector<Text> lines;
    for (const PortsClassDevice& device : portsClassDevices()) {
        if (auto line = adapterProblem(device)) {
            lines.push_back(std::move(*line));
        }
    }
    return lines;
}

}  // namespace qz5
