// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace qz5 {

// Text that comes from outside the program (a tracker's reply, a file, a USB
// descriptor, another user's process name) may carry terminal escapes or bytes
// that are no UTF-8. Neither function throws.

// For a terminal or a text stream: control bytes (line breaks included), DEL,
// C1 controls and bytes that are no valid UTF-8 become visible "\x1b"; other
// UTF-8 passes unchanged.
std::string printableText(std::string_view bytes);

// For JSON output: valid UTF-8 passes unchanged, every other byte becomes
// U+FFFD. Control characters stay, since JSON escapes them itself.
std::string validUtf8(std::string_view bytes);

}  // namespace qz5
