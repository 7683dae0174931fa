// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <QString>

namespace qz5 {

// Bytes become the characters of the same code; the text ends at the first NUL
// byte, as a C string handed to a control would.
QString fromLatin1(std::string_view bytes);

// One byte per character, at most maxChars of them; a character outside
// Latin-1 (a surrogate pair counts as one) becomes '?'.
std::string toLatin1(const QString& text, std::size_t maxChars);

}  // namespace qz5
