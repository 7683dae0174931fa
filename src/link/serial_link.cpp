// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_link.h"

#include <algorithm>
#include <string>

#include "link/port_table.h"
#include "link/system_serial_port_api.h"

namespace qz5 {

namespace {

// The tracker's line: 8N1 with DTR and RTS held up and no flow control in
// either direction; whatever else the platform had stays as it was.
void applyTrackerLine(LineSettings& settings, std::int32_t baudRate) {
    settings.baudRate = baudRate;
    settings.dataBits = 8;
    settings.parityEnabled = false;
    settings.twoStopBits = false;
    settings.ctsFlowControl = false;
    settings.dsrFlowControl = false;
    settings.dsrSensitivity = false;
    settings.xonXoffOutput = false;
    settings.xonXoffInput = false;
    settings.dtrAsserted = true;
    settings.rtsAsserted = true;
}

constexpr PortTimeouts kTrackerTimeouts{.readInterval = 50,
                                        .readTotalMultiplier = 3,
                                        .readTotalConstant = 100,
                                        .writeTotalMultiplier = 2,
                                        .writeTotalConstant = 300};

constexpr int kPauseAfterByteMs = 10;

Text unknownPortReason(std::string_view name) {
    if (name.empty()) {
        return say("Ports", "No port was chosen.");
    }
    // The list's placeholder, cut to nine characters, is no name of a port.
    if (!name.starts_with("COM")) {
        return say("Ports", "No serial device was found.");
    }
    return say("Ports", "No serial device is known as %1.").with(std::string(name));
}

}  // namespace

SerialLink::SerialLink() : SerialLink(systemSerialPortApi(), PortTable::system()) {}

SerialLink::SerialLink(SerialPortApi& api, const PortTable& ports) : api_(api), ports_(&ports) {}

SerialLink::~SerialLink() {
    releasePort();
}

void SerialLink::setPortName(std::string_view name) {
    portName_.fill('\0');
    // A name ends at its first zero, as it would in a character array.
    name = name.substr(0, name.find('\0'));
    std::copy_n(name.begin(), std::min(name.size(), portName_.size() - 1), portName_.begin());
}

void SerialLink::setBaudRate(std::int32_t rate) {
    baudRate_ = rate;
}

bool SerialLink::portExists(std::string_view name) const {
    const auto path = ports_->devicePath(name);
    if (!path) {
        return false;
    }
    const PortHandle handle = api_.open(*path);
    if (handle == kInvalidPortHandle) {
        return false;
    }
    static_cast<void>(api_.close(handle));  // it opened: that is all we asked
    return true;
}

Text SerialLink::portFailure(std::string_view name) const {
    const auto path = ports_->devicePath(name);
    return path ? api_.openFailure(*path).reason : unknownPortReason(name);
}

Outcome<> SerialLink::openPort() {
    Notices raised;
    if (isOpen()) {
        // On failure the old handle is given up and the open goes on.
        collect(raised, closePort());
    }
    const auto path = ports_->devicePath(portName_.data());
    portHandle_ = path ? api_.open(*path) : kInvalidPortHandle;
    if (!isOpen()) {
        const OpenFailure refusal =
            path ? api_.openFailure(*path)
                 : OpenFailure{FailureKind::PortMissing, unknownPortReason(portName_.data())};
        return Outcome<>(Failure{refusal.kind,
                                 {say("Ports", "Could not aquire Com Port"), {}, refusal.reason}})
            .after(std::move(raised));
    }
    const char* failure = nullptr;  // marked where it is written
    LineSettings settings;
    if (!api_.getLineSettings(portHandle_, settings)) {
        failure = QZ5_TEXT("Link", "GetCommState failed");
    } else {
        applyTrackerLine(settings, baudRate_);
        if (!api_.setLineSettings(portHandle_, settings)) {
            failure = QZ5_TEXT("Link", "SetCommState failed");
        } else if (!api_.setTimeouts(portHandle_, kTrackerTimeouts)) {
            failure = QZ5_TEXT("Link", "SetCommTimeouts failed");
        }
    }
    if (failure == nullptr) {
        return Outcome<>().after(std::move(raised));
    }
    // A port that cannot be set up is of no use, to us or to anyone we keep out.
    releasePort();
    return Outcome<>(Failure{FailureKind::PortFailed, {say("Link", failure)}})
        .after(std::move(raised));
}

Outcome<> SerialLink::writeBytes(std::span<const std::uint8_t> data) {
    if (!isOpen()) {
        return Failure{FailureKind::WriteFailed, {say("Link", "ComPort Invalid")}};
    }
    std::size_t total = 0;
    for (const std::uint8_t byte : data) {
        int written = 0;
        if (!api_.writeByte(portHandle_, byte, written)) {
            return Failure{FailureKind::WriteFailed, {say("Link", "ComPort write failed")}};
        }
        api_.sleep(kPauseAfterByteMs);
        // A byte that timed out shows only in the count at the end.
        total += static_cast<std::size_t>(written);
        if (progress_.total > 0 && onProgress_) {
            ++progress_.done;
            onProgress_(progress_);
        }
    }
    if (total != data.size()) {
        return Failure{FailureKind::WriteFailed, {say("Link", "ComPort write mismatch")}};
    }
    return {};
}

Outcome<std::int32_t> SerialLink::readBytes(std::span<std::uint8_t> buffer) {
    if (!isOpen()) {
        return Failure{FailureKind::ReadFailed, {say("Link", "ComPort Invalid")}};
    }
    int received = 0;
    if (!api_.read(portHandle_, buffer, received)) {
        return Failure{FailureKind::ReadFailed, {say("Link", "ComPort read failed")}};
    }
    return received;
}

void SerialLink::beginStep(const LinkProgress& step) {
    progress_ = step;
    if (onProgress_) {
        onProgress_(progress_);
    }
}

Outcome<> SerialLink::closePort() {
    if (!isOpen()) {
        return Failure{FailureKind::PortFailed, {say("Link", "ComPort Invalid")}};
    }
    if (!api_.close(portHandle_)) {
        return Failure{FailureKind::PortFailed, {say("Link", "ComPort Close failed")}};
    }
    portHandle_ = kInvalidPortHandle;
    return {};
}

void SerialLink::releasePort() {
    if (isOpen()) {
        // A handle whose close fails is given up: it cannot be closed better.
        static_cast<void>(api_.close(portHandle_));
        portHandle_ = kInvalidPortHandle;
    }
}

}  // namespace qz5
