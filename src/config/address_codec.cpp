// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/address_codec.h"

namespace qz5 {

AddressBytes encodeAddress(const CallsignAddress& address) {
    AddressBytes bytes{};
    for (std::size_t i = 0; i < kAddressSize - 1; ++i) {
        bytes[i] = static_cast<std::uint8_t>(static_cast<std::uint8_t>(address.base[i]) << 1);
    }
    bytes[kAddressSize - 1] = static_cast<std::uint8_t>((address.ssid | 0x30) << 1);
    return bytes;
}

std::string addressText(const AddressBytes& bytes) {
    std::string text;
    // The characters end at the first NUL, as a C text would.
    for (std::size_t i = 0; i < kAddressSize - 1 && (bytes[i] >> 1) != 0; ++i) {
        text += static_cast<char>(bytes[i] >> 1);
    }
    // Bit 7 of the SSID byte lands on 64, which the text rule then rejects.
    const int number = (bytes[kAddressSize - 1] >> 1) & 0xCF;
    text += '-';
    text += std::to_string(number);
    return formatCallsign(text);
}

}  // namespace qz5
