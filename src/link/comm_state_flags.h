// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "link/serial_port_api.h"

namespace qz5 {

// The word of bit fields in a Windows DCB, kept as a plain number so that the
// line's flags change in one operation and every other bit stays as the
// driver reported it.
namespace dcb {
inline constexpr std::uint32_t kOutxCtsFlow = 1u << 2;
inline constexpr std::uint32_t kOutxDsrFlow = 1u << 3;
inline constexpr std::uint32_t kDtrControlEnable = 1u << 4;  // two-bit field at bit 4
inline constexpr std::uint32_t kDtrControlMask = 3u << 4;
inline constexpr std::uint32_t kDsrSensitivity = 1u << 6;
inline constexpr std::uint32_t kOutX = 1u << 8;
inline constexpr std::uint32_t kInX = 1u << 9;
inline constexpr std::uint32_t kRtsControlEnable = 1u << 12;  // two-bit field at bit 12
inline constexpr std::uint32_t kRtsControlMask = 3u << 12;
}  // namespace dcb

// The flow-control and modem-line members of `settings` read from the word.
// A DTR or RTS line under handshake control counts as not held up.
void readCommStateFlags(std::uint32_t word, LineSettings& settings);

// The word with the flow-control and modem-line fields set from `settings`.
std::uint32_t withCommStateFlags(std::uint32_t word, const LineSettings& settings);

}  // namespace qz5
