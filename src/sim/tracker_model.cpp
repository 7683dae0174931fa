// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/tracker_model.h"

#include <stdexcept>
#include <utility>

#include "config/tracker_config.h"

namespace qz5 {

namespace {

constexpr std::uint8_t kEsc = 0x1B;
constexpr std::uint8_t kVersionCode = 0x56;
constexpr std::uint8_t kWriteCode = 0x44;
constexpr std::uint8_t kReadCode = 0x55;
constexpr std::uint8_t kWriteMarkA = 0xAA;
constexpr std::uint8_t kWriteMarkB = 0x55;
constexpr std::uint8_t kToneStopCode = 0x78;
constexpr std::uint8_t kToneLowCode = 0x31;
constexpr std::uint8_t kToneHighCode = 0x32;
constexpr std::uint8_t kToneBothCode = 0x33;

ConfigImage defaultImage() {
    TrackerConfig config;
    ConfigImage image{};
    static_cast<void>(config.encodeImage(image));  // the defaults fit whole
    return image;
}

}  // namespace

TrackerModel::TrackerModel(std::int32_t listenRate, std::string versionText)
    : listenRate_(listenRate), versionText_(std::move(versionText)), memory_(defaultImage()) {
    if (listenRate != 4800 && listenRate != 9600) {
        throw std::invalid_argument("the tracker listens at 4800 or 9600 bit/s, not " +
                                    std::to_string(listenRate));
    }
}

std::optional<Reply> TrackerModel::receive(std::uint8_t byte) {
    switch (state_) {
        case State::Idle:
            if (byte == kEsc) {
                state_ = State::Escape;
            }
            return std::nullopt;
        case State::Escape:
            if (byte == kEsc) {
                state_ = State::DoubleEscape;
                return std::nullopt;
            }
            if (byte == kWriteCode) {
                state_ = State::WriteMarkA;
                return std::nullopt;
            }
            state_ = State::Idle;
            if (byte == kReadCode) {
                return imageReply();
            }
            return std::nullopt;
        case State::DoubleEscape:
            state_ = State::Idle;
            return command(byte);
        case State::WriteMarkA:
            state_ = byte == kWriteMarkA ? State::WriteMarkB : State::Idle;
            return std::nullopt;
        case State::WriteMarkB:
            state_ = byte == kWriteMarkB ? State::WriteData : State::Idle;
            incomingCount_ = 0;
            return std::nullopt;
        case State::WriteData:
            incoming_[static_cast<std::size_t>(incomingCount_++)] = byte;
            if (incomingCount_ < kImageSize) {
                return std::nullopt;
            }
            memory_ = incoming_;
            state_ = State::Idle;
            return Reply{};
    }
    return std::nullopt;
}

void TrackerModel::interrupt() {
    state_ = State::Idle;
    incomingCount_ = 0;
}

std::optional<Reply> TrackerModel::command(std::uint8_t code) {
    switch (code) {
        case kVersionCode:
            return versionReply();
        case kToneStopCode:
            tone_ = Tone::Off;
            return Reply{};
        case kToneLowCode:
            tone_ = Tone::Low;
            return Reply{};
        case kToneHighCode:
            tone_ = Tone::High;
            return Reply{};
        case kToneBothCode:
            tone_ = Tone::Both;
            return Reply{};
        default:
            return std::nullopt;
    }
}

Reply TrackerModel::versionReply() const {
    const std::string text = faults.wrongVersion ? kWrongVersionText : versionText_;
    return finish({text.begin(), text.end()});
}

Reply TrackerModel::imageReply() {
    std::vector<std::uint8_t> bytes(memory_.begin(), memory_.end());
    if (faults.corruptReadBack) {
        bytes[kAlteredByte] ^= 0xFF;
    }
    if (faults.driftingReads && readsServed_ % 2 == 1) {
        bytes[kAlteredByte] ^= 0x01;
    }
    if (faults.shortReadBack) {
        bytes.pop_back();
    }
    ++readsServed_;
    return finish(std::move(bytes));
}

Reply TrackerModel::finish(std::vector<std::uint8_t> bytes) const {
    Reply reply;
    if (faults.silent) {
        return reply;
    }
    if (faults.replyGap) {
        reply.gapBefore = bytes.size() / 2;
    }
    reply.bytes = std::move(bytes);
    return reply;
}

}  // namespace qz5
