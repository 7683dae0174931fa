// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/comm_state_flags.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace qz5 {
namespace {

LineSettings trackerLine() {
    LineSettings line;
    line.dtrAsserted = true;
    line.rtsAsserted = true;
    return line;
}

// Whatever the driver had, the tracker's line clears the flow controls and
// DSR sensitivity, enables DTR and RTS, and keeps every other bit.
TEST(CommStateFlags, TrackerLineChangesOnlyItsFields) {
    for (const std::uint32_t word : {0x00000000u, 0x00000001u, 0xFFFFFFFFu, 0x00002021u,
                                     0x0000334Du, 0x80004C83u, 0x12345678u}) {
        const std::uint32_t changed = withCommStateFlags(word, trackerLine());
        EXPECT_EQ(changed, (word & 0xFFFFDC93u) | 0x1010u) << std::hex << word;
        LineSettings read;
        readCommStateFlags(changed, read);
        EXPECT_FALSE(read.ctsFlowControl || read.dsrFlowControl || read.dsrSensitivity ||
                     read.xonXoffOutput || read.xonXoffInput);
        EXPECT_TRUE(read.dtrAsserted && read.rtsAsserted);
    }
}

TEST(CommStateFlags, EachSettingReadsBackAlone) {
    const std::pair<bool LineSettings::*, std::uint32_t> kFields[] = {
        {&LineSettings::ctsFlowControl, dcb::kOutxCtsFlow},
        {&LineSettings::dsrFlowControl, dcb::kOutxDsrFlow},
        {&LineSettings::dsrSensitivity, dcb::kDsrSensitivity},
        {&LineSettings::xonXoffOutput, dcb::kOutX},
        {&LineSettings::xonXoffInput, dcb::kInX},
        {&LineSettings::dtrAsserted, dcb::kDtrControlEnable},
        {&LineSettings::rtsAsserted, dcb::kRtsControlEnable},
    };
    for (const auto& [member, bit] : kFields) {
        LineSettings wanted;
        wanted.*member = true;
        EXPECT_EQ(withCommStateFlags(0, wanted), bit);
        LineSettings read;
        readCommStateFlags(bit, read);
        EXPECT_TRUE(read.*member) << std::hex << bit;
    }
    // A line under handshake control is not held up by the program.
    LineSettings handshake;
    readCommStateFlags(2u << 4 | 2u << 12, handshake);
    EXPECT_FALSE(handshake.dtrAsserted || handshake.rtsAsserted);
}

}  // namespace
}  // namespace qz5
