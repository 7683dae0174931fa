// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace qz5 {

// Text between the program's byte strings and the UTF-16 that Windows' own
// calls take, in the given code page (CP_UTF8 for paths, which the program
// carries as UTF-8, and for text it prints).
std::wstring wideText(std::string_view text, unsigned codePage);
std::string narrowText(std::wstring_view text, unsigned codePage);

}  // namespace qz5
