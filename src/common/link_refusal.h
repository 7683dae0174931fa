// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/text.h"

namespace qz5 {

// Why a file is not written when a link on its path may be a trap that
// another user laid for whoever writes there.
inline constexpr const char* kUntrustedLinkReason =
    QZ5_TEXT("Files", "a link on the way is another user's, in a folder every user may write to");

}  // namespace qz5
