// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/version_reply.h"

#include <gtest/gtest.h>

namespace qz5 {
namespace {

using namespace std::string_view_literals;

TEST(VersionReply, AcceptsEitherPrefixInAnyCaseOfLetters) {
    for (const std::string_view reply : {"OV-QZ5 1.07"sv, "ov-qz5"sv, "Ov-Qz5xyz"sv,
                                         "OV-QZ5\0trailing"sv, "OV4600KR "sv, "ov4600kr 2.0"sv}) {
        EXPECT_TRUE(isAcceptedVersionReply(reply)) << reply;
    }
}

TEST(VersionReply, RejectsShortOrDifferentReplies) {
    for (const std::string_view reply :
         {""sv, "OV-QZ"sv, "OV4600KR"sv, "OV4600KR\0"sv, "OV4600KRX"sv, " OV-QZ5"sv, "OV-\0QZ5"sv,
          // Only A to Z fold: a case trick on other bytes must not match.
          "OV\rQZ5"sv, "OV-QZ\x15"sv}) {
        EXPECT_FALSE(isAcceptedVersionReply(reply)) << reply;
    }
}

}  // namespace
}  // namespace qz5
