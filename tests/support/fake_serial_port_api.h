// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdio>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "link/serial_port_api.h"

namespace qz5::testing {

// The device the link tests open through the fake.
inline constexpr const char* kFakeDevice = "/dev/ttyFAKE0";

// A serial layer that a test scripts: which devices open, which calls fail,
// what each read returns. It logs every call in order, so a test can check
// the exact conversation, and never waits.
class FakeSerialPortApi final : public SerialPortApi {
  public:
    // Paths that open; any other is missing or held by someone else.
    std::set<std::string, std::less<>> devices;
    // The settings the platform reports before the link changes them.
    LineSettings platformSettings;

    bool failGetLineSettings = false;
    bool failSetLineSettings = false;
    bool failSetTimeouts = false;
    bool failRead = false;
    bool writesTimeOut = false;
    int failingCloses = 0;         // this many closes fail from now on
    int writesBeforeFailure = -1;  // then every write fails; -1: none fails
    // Each read takes the next reply, cut to the buffer; with none left the
    // line is silent.
    std::deque<std::vector<std::uint8_t>> replies;

    // What happened: "open P", "open P refused", "get", "set RATE", "timeouts",
    // "write XX" (+ " timeout" / " failed"), "read N", "sleep MS", "close".
    std::vector<std::string> calls;
    std::vector<std::uint8_t> sent;  // bytes that were written, in order
    std::optional<LineSettings> appliedSettings;
    std::optional<PortTimeouts> appliedTimeouts;
    std::set<PortHandle> openHandles;
    OpenFailure refusal;  // why a refused open was refused

    OpenFailure openFailure(const std::string& /*devicePath*/) override { return refusal; }

    PortHandle open(const std::string& devicePath) override {
        if (!devices.contains(devicePath)) {
            calls.push_back("open " + devicePath + " refused");
            return kInvalidPortHandle;
        }
        calls.push_back("open " + devicePath);
        openHandles.insert(nextHandle_);
        return nextHandle_++;
    }

    bool getLineSettings(PortHandle handle, LineSettings& settings) override {
        calls.push_back("get");
        if (failGetLineSettings || !openHandles.contains(handle)) {
            return false;
        }
        settings = platformSettings;
        return true;
    }

    bool setLineSettings(PortHandle handle, const LineSettings& settings) override {
        calls.push_back("set " + std::to_string(settings.baudRate));
        if (failSetLineSettings || !openHandles.contains(handle)) {
            return false;
        }
        appliedSettings = settings;
        return true;
    }

    bool setTimeouts(PortHandle handle, const PortTimeouts& timeouts) override {
        calls.push_back("timeouts");
        if (failSetTimeouts || !openHandles.contains(handle)) {
            return false;
        }
        appliedTimeouts = timeouts;
        return true;
    }

    bool writeByte(PortHandle handle, std::uint8_t byte, int& written) override {
        written = 0;
        const std::string call = "write " + hex(byte);
        if (writesBeforeFailure == 0 || !openHandles.contains(handle)) {
            calls.push_back(call + " failed");
            return false;
        }
        if (writesBeforeFailure > 0) {
            --writesBeforeFailure;
        }
        if (writesTimeOut) {
            calls.push_back(call + " timeout");
            return true;
        }
        calls.push_back(call);
        sent.push_back(byte);
        written = 1;
        return true;
    }

    bool read(PortHandle handle, std::span<std::uint8_t> buffer, int& received) override {
        calls.push_back("read " + std::to_string(buffer.size()));
        received = 0;
        if (failRead || !openHandles.contains(handle)) {
            return false;
        }
        if (replies.empty()) {
            return true;
        }
        const std::vector<std::uint8_t> reply = std::move(replies.front());
        replies.pop_front();
        const std::size_t count = std::min(reply.size(), buffer.size());
        std::copy_n(reply.begin(), count, buffer.begin());
        received = static_cast<int>(count);
        return true;
    }

    bool close(PortHandle handle) override {
        calls.push_back("close");
        if (failingCloses > 0 || !openHandles.contains(handle)) {
            failingCloses = std::max(0, failingCloses - 1);
            return false;
        }
        openHandles.erase(handle);
        return true;
    }

    void sleep(int milliseconds) override {
        calls.push_back("sleep " + std::to_string(milliseconds));
    }

    static std::string hex(std::uint8_t byte) {
        char text[3];
        std::snprintf(text, sizeof text, "%02X", byte);
        return text;
    }

  private:
    PortHandle nextHandle_ = 3;
};

}  // namespace qz5::testing
