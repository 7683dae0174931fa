// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "config/callsign.h"

// One 7-byte address of the image's address list: six characters shifted left
// by one bit, then the SSID byte whose bit 0 ends the list.
namespace qz5 {

inline constexpr int kAddressSize = 7;
using AddressBytes = std::array<std::uint8_t, kAddressSize>;

// End bit clear; the list writer sets it on its last address.
AddressBytes encodeAddress(const CallsignAddress& address);

// The display text of an address, as formatCallsign makes it.
std::string addressText(const AddressBytes& bytes);

inline bool isLastAddress(const AddressBytes& bytes) {
    return (bytes[kAddressSize - 1] & 1) != 0;
}

}  // namespace qz5
