// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/comm_state_flags.h"

namespace qz5 {

namespace {

constexpr std::uint32_t kLineFields = dcb::kOutxCtsFlow | dcb::kOutxDsrFlow | dcb::kDtrControlMask |
                                      dcb::kDsrSensitivity | dcb::kOutX | dcb::kInX |
                                      dcb::kRtsControlMask;

constexpr std::uint32_t bitIf(bool on, std::uint32_t bit) {
    return on ? bit : 0u;
}

}  // namespace

void readCommStateFlags(std::uint32_t word, LineSettings& settings) {
    settings.ctsFlowControl = (word & dcb::kOutxCtsFlow) != 0;
    settings.dsrFlowControl = (word & dcb::kOutxDsrFlow) != 0;
    settings.dsrSensitivity = (word & dcb::kDsrSensitivity) != 0;
    settings.xonXoffOutput = (word & dcb::kOutX) != 0;
    settings.xonXoffInput = (word & dcb::kInX) != 0;
    settings.dtrAsserted = (word & dcb::kDtrControlMask) == dcb::kDtrControlEnable;
    settings.rtsAsserted = (word & dcb::kRtsControlMask) == dcb::kRtsControlEnable;
}

std::uint32_t withCommStateFlags(std::uint32_t word, const LineSettings& settings) {
    return (word & ~kLineFields) | bitIf(settings.ctsFlowControl, dcb::kOutxCtsFlow) |
           bitIf(settings.dsrFlowControl, dcb::kOutxDsrFlow) |
           bitIf(settings.dtrAsserted, dcb::kDtrControlEnable) |
           bitIf(settings.dsrSensitivity, dcb::kDsrSensitivity) |
           bitIf(settings.xonXoffOutput, dcb::kOutX) | bitIf(settings.xonXoffInput, dcb::kInX) |
           bitIf(settings.rtsAsserted, dcb::kRtsControlEnable);
}

}  // namespace qz5
