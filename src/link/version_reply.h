// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace qz5 {

// Whether the tracker's answer to the version request names a tracker we can
// talk to: it begins with "OV4600KR " or "OV-QZ5", letters A to Z in either case.
// The reply ends at its first zero.
bool isAcceptedVersionReply(std::string_view reply);

}  // namespace qz5
