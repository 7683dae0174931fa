// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace qz5 {

// The number at the start of `text`, read as atof reads it in the C locale,
// whatever locale the process runs in: leading white space, a sign, then the
// longest prefix that is a decimal or "0x" hexadecimal floating number,
// "inf", "infinity" or "nan" (with or without "(chars)") in any case; 0 when
// there is none. Read as a double, then narrowed to a float: a value past
// the float's range becomes infinite rather than undefined.
float parseLeadingFloat(std::string_view text);

}  // namespace qz5
