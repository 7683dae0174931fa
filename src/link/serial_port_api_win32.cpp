// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_port_api_win32.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>

#include "link/comm_state_flags.h"
#include "link/open_error_win32.h"

namespace qz5 {

struct Win32SerialPortApi::CommState {
    DCB dcb;
};

namespace {

// The bit fields follow DCBlength and BaudRate as one 32-bit word.
constexpr std::size_t kFlagsOffset = offsetof(DCB, BaudRate) + sizeof(DWORD);
static_assert(offsetof(DCB, wReserved) == kFlagsOffset + sizeof(DWORD));

std::uint32_t flagsOf(const DCB& dcb) {
    std::uint32_t word = 0;
    std::memcpy(&word, reinterpret_cast<const unsigned char*>(&dcb) + kFlagsOffset, sizeof word);
    return word;
}

void setFlags(DCB& dcb, std::uint32_t word) {
    std::memcpy(reinterpret_cast<unsigned char*>(&dcb) + kFlagsOffset, &word, sizeof word);
}

HANDLE toHandle(PortHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// Start bit, data bits, parity and stop bits (one and a half counted as two),
// in whole milliseconds rounded up.
DWORD characterTimeMs(const DCB& dcb) {
    const auto bits = static_cast<DWORD>(1 + dcb.ByteSize + (dcb.Parity != NOPARITY ? 1 : 0) +
                                         (dcb.StopBits == ONESTOPBIT ? 1 : 2));
    return dcb.BaudRate == 0 ? 0 : (bits * 1000 + dcb.BaudRate - 1) / dcb.BaudRate;
}

}  // namespace

Win32SerialPortApi::Win32SerialPortApi() = default;
Win32SerialPortApi::~Win32SerialPortApi() = default;

PortHandle Win32SerialPortApi::open(const std::string& devicePath) {
    const HANDLE handle = CreateFileA(devicePath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    auto found = std::make_unique<CommState>();
    found->dcb.DCBlength = sizeof(DCB);
    if (handle != INVALID_HANDLE_VALUE && GetCommState(handle, &found->dcb)) {
        std::lock_guard lock(mutex_);
        found_.insert_or_assign(reinterpret_cast<PortHandle>(handle), std::move(found));
    }
    return reinterpret_cast<PortHandle>(handle);
}

bool Win32SerialPortApi::getLineSettings(PortHandle handle, LineSettings& settings) {
    CommState state{};
    state.dcb.DCBlength = sizeof(DCB);
    if (!GetCommState(toHandle(handle), &state.dcb)) {
        return false;
    }
    settings.baudRate = static_cast<std::int32_t>(state.dcb.BaudRate);
    settings.dataBits = state.dcb.ByteSize;
    settings.parityEnabled = state.dcb.Parity != NOPARITY;
    settings.twoStopBits = state.dcb.StopBits == TWOSTOPBITS;
    readCommStateFlags(flagsOf(state.dcb), settings);
    std::lock_guard lock(mutex_);
    lastRead_.insert_or_assign(handle, std::make_unique<CommState>(state));
    return true;
}

bool Win32SerialPortApi::setLineSettings(PortHandle handle, const LineSettings& settings) {
    if (settings.baudRate <= 0 || settings.dataBits < 5 || settings.dataBits > 8) {
        return false;
    }
    CommState state{};
    {
        std::lock_guard lock(mutex_);
        const auto found = lastRead_.find(handle);
        if (found == lastRead_.end()) {
            return false;  // nothing read to keep the other fields from
        }
        state = *found->second;
    }
    DCB& dcb = state.dcb;
    dcb.BaudRate = static_cast<DWORD>(settings.baudRate);
    dcb.ByteSize = static_cast<BYTE>(settings.dataBits);
    if (!settings.parityEnabled) {
        dcb.Parity = NOPARITY;
    } else if (dcb.Parity == NOPARITY) {
        dcb.Parity = EVENPARITY;
    }
    dcb.StopBits = settings.twoStopBits ? TWOSTOPBITS : ONESTOPBIT;
    setFlags(dcb, withCommStateFlags(flagsOf(dcb), settings));
    return SetCommState(toHandle(handle), &dcb) != 0;
}

bool Win32SerialPortApi::setTimeouts(PortHandle handle, const PortTimeouts& timeouts) {
    COMMTIMEOUTS values{};
    values.ReadIntervalTimeout = static_cast<DWORD>(timeouts.readInterval);
    values.ReadTotalTimeoutMultiplier = static_cast<DWORD>(timeouts.readTotalMultiplier);
    values.ReadTotalTimeoutConstant = static_cast<DWORD>(timeouts.readTotalConstant);
    values.WriteTotalTimeoutMultiplier = static_cast<DWORD>(timeouts.writeTotalMultiplier);
    values.WriteTotalTimeoutConstant = static_cast<DWORD>(timeouts.writeTotalConstant);
    return SetCommTimeouts(toHandle(handle), &values) != 0;
}

bool Win32SerialPortApi::writeByte(PortHandle handle, std::uint8_t byte, int& written) {
    DWORD count = 0;
    const BOOL ok = WriteFile(toHandle(handle), &byte, 1, &count, nullptr);
    written = static_cast<int>(count);
    return ok != 0;
}

bool Win32SerialPortApi::read(PortHandle handle, std::span<std::uint8_t> buffer, int& received) {
    DWORD count = 0;
    const DWORD capacity = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), INT_MAX));
    const BOOL ok = ReadFile(toHandle(handle), buffer.data(), capacity, &count, nullptr);
    received = static_cast<int>(count);
    return ok != 0;
}

bool Win32SerialPortApi::close(PortHandle handle) {
    std::unique_ptr<CommState> found;
    {
        std::lock_guard lock(mutex_);
        lastRead_.erase(handle);
        if (const auto it = found_.find(handle); it != found_.end()) {
            found = std::move(it->second);
            found_.erase(it);
        }
    }
    if (found) {
        // A byte still in the UART when the rate changes would go out garbled:
        // the queue drains, then the one in the shift register gets its time.
        DCB now{};
        now.DCBlength = sizeof(DCB);
        if (FlushFileBuffers(toHandle(handle)) && GetCommState(toHandle(handle), &now)) {
            Sleep(characterTimeMs(now));
        }
        static_cast<void>(SetCommState(toHandle(handle), &found->dcb));
    }
    return CloseHandle(toHandle(handle)) != 0;
}

void Win32SerialPortApi::sleep(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds > 0 ? milliseconds : 0));
}

OpenFailure Win32SerialPortApi::openFailure(const std::string& devicePath) {
    const PortHandle handle = open(devicePath);
    if (handle != kInvalidPortHandle) {
        static_cast<void>(close(handle));  // it opened: that is all we asked
        return {FailureKind::PortBusy,
                say("Ports", "The port was busy for a moment and is free now: try again.")};
    }
    const DWORD error = GetLastError();
    const std::string name = devicePath.substr(devicePath.find_last_of('\\') + 1);
    return {openErrorKind(error), openErrorText(error, name, systemErrorText(error))};
}

}  // namespace qz5
