// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "link/tone_device.h"

namespace qz5 {

class PortList;
class SerialLink;

// The test tone the window left sounding, so that leaving it stops the tone
// on the device it went out on, and nowhere else.
class ToneKeeper {
  public:
    ToneKeeper(SerialLink& link, const PortList& ports) : link_(link), ports_(ports) {}

    // After tone command `code` went out on the link's port: Stop Sending, or
    // a device that cannot be told apart later, leaves nothing to stop.
    void sent(std::uint8_t code);
    // Stop Sending to where the last tone went, at its rate; no box, as the
    // user is leaving.
    void stopTonesOnLeaving();

  private:
    struct KeyedTone {
        ToneDevice device;
        std::int32_t baudRate = 0;
    };

    SerialLink& link_;
    const PortList& ports_;
    std::optional<KeyedTone> keyedTone_;
};

}  // namespace qz5
