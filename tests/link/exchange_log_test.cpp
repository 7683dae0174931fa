// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/exchange_log.h"

#include <gtest/gtest.h>

namespace qz5 {
namespace {

using namespace std::chrono_literals;

TEST(ExchangeLog, OneLinePerEventInHexTimedFromTheStart) {
    const auto origin = WireClock::now();
    EXPECT_EQ(formatWireEvent({WireEvent::Kind::Opened, origin, 0, true, {}, {}}, origin),
              "+0.000s open");
    EXPECT_EQ(formatWireEvent(
                  {WireEvent::Kind::Received, origin + 1234ms, 4800, true, {0x1B, 0x1B, 0x56}, {}},
                  origin),
              "+1.234s 4800 rx 1B 1B 56");
    EXPECT_EQ(
        formatWireEvent(
            {WireEvent::Kind::Received, origin + 5ms, 4800, false, {0x1B, 0x1B, 0x56}, {}}, origin),
        "+0.005s 4800 rx 1B 1B 56 (ignored)");
    EXPECT_EQ(
        formatWireEvent({WireEvent::Kind::Sent, origin + 61s, 9600, true, {0x4F, 0x0A, 0xFF}, {}},
                        origin),
        "+61.000s 9600 tx 4F 0A FF");
    EXPECT_EQ(
        formatWireEvent({WireEvent::Kind::RateChanged, origin + 2ms, 9600, true, {}, {}}, origin),
        "+0.002s rate 9600");
    EXPECT_EQ(formatWireEvent({WireEvent::Kind::Closed, origin + 1600us, 0, true, {}, {}}, origin),
              "+0.002s close");
    EXPECT_EQ(formatWireEvent({WireEvent::Kind::Note, origin, 0, true, {}, "dropped"}, origin),
              "+0.000s note: dropped");
}

}  // namespace
}  // namespace qz5
