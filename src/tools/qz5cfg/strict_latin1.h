// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qz5 {

// The record's texts are bytes; JSON strings are Unicode. Byte n stands for the
// character U+00nn, so every byte survives the trip through JSON.
std::string latin1ToUtf8(std::string_view bytes);

// The reverse; nothing when a character lies above U+00FF (or the text is not
// UTF-8), so a text is never stored altered.
std::optional<std::string> utf8ToLatin1(std::string_view text);

}  // namespace qz5
