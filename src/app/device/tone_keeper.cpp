// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/tone_keeper.h"

#include "app/device/port_list.h"
#include "link/port_table.h"
#include "link/serial_link.h"

namespace qz5 {

void ToneKeeper::sent(std::uint8_t code) {
    const auto path = ports_.table().devicePath(link_.portName());
    const auto device = path ? ToneDevice::at(*path, ports_.roots()) : std::nullopt;
    if (code == kToneStop || !device) {
        keyedTone_.reset();
    } else {
        keyedTone_ = KeyedTone{*device, link_.baudRate()};
    }
}

void ToneKeeper::stopTonesOnLeaving() {
    if (!keyedTone_) {
        return;
    }
    // The tone went out to that device at that rate; a failed probe, another
    // selection or another device under its COM name since then must not send
    // the stop elsewhere. A device that is gone cannot be stopped.
    const auto name = keyedTone_->device.nameIn(ports_.table(), ports_.roots());
    const std::int32_t rate = keyedTone_->baudRate;
    keyedTone_.reset();
    if (!name) {
        return;
    }
    link_.setPortName(*name);
    link_.setBaudRate(rate);
    // The user is leaving: nothing to tell.
    static_cast<void>(link_.sendTone(kToneStop));
}

}  // namespace qz5
