// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/config_image.h"

namespace qz5 {

// Misbehaviours a test can switch on, each independently.
struct TrackerFaults {
    bool silent = false;           // answers nothing
    bool wrongVersion = false;     // answers the version request with kWrongVersionText
    bool corruptReadBack = false;  // every image read has one byte changed
    bool shortReadBack = false;    // every image read stops one byte short (127)
    bool replyGap = false;         // pauses kReplyGap in the middle of every reply
    bool driftingReads = false;    // no two consecutive image reads are alike

    bool operator==(const TrackerFaults&) const = default;
};

enum class Tone { Off, Low, High, Both };

// Twice the host's 50 ms interval time-out, so a gap surely ends its read.
inline constexpr std::chrono::milliseconds kReplyGap{100};

// What the tracker sends back for one command. The sender waits kReplyGap
// before the byte at gapBefore; kNoGap means the reply flows without a pause.
struct Reply {
    static constexpr std::size_t kNoGap = static_cast<std::size_t>(-1);

    std::vector<std::uint8_t> bytes;
    std::size_t gapBefore = kNoGap;
};

// The tracker's side of the command protocol, without any I/O: bytes heard at
// the rate it listens at go in, replies come out. Not thread-safe.
class TrackerModel {
  public:
    static constexpr const char* kDefaultVersionText = "OV-QZ5 1.4\r\n";
    static constexpr const char* kWrongVersionText = "OV-QX5 1.4\r\n";
    // Index of the byte that corrupt and drifting reads change.
    static constexpr int kAlteredByte = 17;

    // The memory starts as the image of the default record.
    explicit TrackerModel(std::int32_t listenRate = 4800,
                          std::string versionText = kDefaultVersionText);

    // One byte from the host. Returns the reply when the byte ends a command
    // (empty for commands without an answer), nothing while one is incomplete.
    std::optional<Reply> receive(std::uint8_t byte);
    // The line dropped (port closed, or noise at another rate): a command
    // half received is forgotten, and an image half written is not stored.
    void interrupt();

    std::int32_t listenRate() const { return listenRate_; }
    const std::string& versionText() const { return versionText_; }
    const ConfigImage& memory() const { return memory_; }
    void setMemory(const ConfigImage& image) { memory_ = image; }
    Tone tone() const { return tone_; }

    TrackerFaults faults;

  private:
    enum class State { Idle, Escape, DoubleEscape, WriteMarkA, WriteMarkB, WriteData };

    std::optional<Reply> command(std::uint8_t code);
    Reply versionReply() const;
    Reply imageReply();
    Reply finish(std::vector<std::uint8_t> bytes) const;

    std::int32_t listenRate_;
    std::string versionText_;
    ConfigImage memory_{};
    ConfigImage incoming_{};
    int incomingCount_ = 0;
    State state_ = State::Idle;
    Tone tone_ = Tone::Off;
    std::uint32_t readsServed_ = 0;
};

}  // namespace qz5
