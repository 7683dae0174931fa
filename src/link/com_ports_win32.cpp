// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/com_ports_win32.h"

#include <windows.h>

#include "common/wide_text_win32.h"
#include "link/com_port_names.h"

namespace qz5 {

namespace {

// QueryDosDeviceW says only that its buffer was too small, never how much it
// needs, so the buffer grows until the list fits.
std::wstring queryDosDevice(const wchar_t* name) {
    constexpr DWORD kLargest = 1u << 24;
    for (DWORD size = 4096; size <= kLargest; size *= 4) {
        std::wstring buffer(size, L'\0');
        const DWORD length = QueryDosDeviceW(name, buffer.data(), size);
        if (length != 0) {
            buffer.resize(length);
            return buffer;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            break;
        }
    }
    return {};
}

std::string narrow(std::wstring_view text) {
    return narrowText(text, CP_UTF8);
}

}  // namespace

std::vector<std::string> systemComPortNames() {
    return comPortNames(queryDosDevice(nullptr));
}

std::vector<ComPortInfo> listComPorts(SerialPortApi& api) {
    std::vector<ComPortInfo> ports;
    for (const std::string& name : systemComPortNames()) {
        const std::wstring wideName(name.begin(), name.end());
        const std::wstring target = queryDosDevice(wideName.c_str());
        ComPortInfo port{name, narrow(target.substr(0, target.find(L'\0'))), false};
        const PortHandle handle = api.open("\\\\.\\" + name);
        if (handle != kInvalidPortHandle) {
            static_cast<void>(api.close(handle));
            port.opens = true;
        }
        ports.push_back(std::move(port));
    }
    return ports;
}

}  // namespace qz5
