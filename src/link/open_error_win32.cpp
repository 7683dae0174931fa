// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/open_error_win32.h"

#include <windows.h>

#include "common/wide_text_win32.h"

namespace qz5 {

Text openErrorText(unsigned long error, const std::string& portName,
                   const std::string& systemText) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return say("Ports",
                       "Access is denied: another program has %1 open (a terminal, GPS or map "
                       "program, or a second copy of this one). Close it, then try again.")
                .with(portName);
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return say("Ports",
                       "Windows has no port %1 now: the adapter is unplugged, or its driver is "
                       "not installed (Device Manager, Ports (COM & LPT)).")
                .with(portName);
        case ERROR_GEN_FAILURE:
        case ERROR_NOT_READY:
        case ERROR_SEM_TIMEOUT:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_BAD_COMMAND:
            return say("Ports",
                       "%1 is there but its adapter does not answer: unplug it and plug it in "
                       "again.")
                .with(portName);
        default:
            return say("Ports", "Windows says: %1 (error %2).")
                .with(systemText.empty() ? say("Ports", "unknown error") : Text(systemText),
                      std::to_string(error));
    }
}

std::string explainOpenError(unsigned long error, const std::string& portName,
                             const std::string& systemText) {
    return openErrorText(error, portName, systemText).english();
}

FailureKind openErrorKind(unsigned long error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return FailureKind::PortBusy;  // Windows' word for a port another program has open
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return FailureKind::PortMissing;
        default:
            return FailureKind::PortFailed;
    }
}

std::string systemErrorText(unsigned long error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length != 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    return narrowText(message, CP_UTF8);
}

}  // namespace qz5
