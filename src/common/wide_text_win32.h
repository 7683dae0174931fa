#pragma once

#include <string>
#include <string_view>

namespace qz5 {

// Text between the program's byte strings and the UTF-16 that Windows' own
// calls take, in the given code page (CP_ACP for paths as the C library has
// them, CP_UTF8 for text the program prints).
std::wstring wideText(std::string_view text, unsigned codePage);
std::string narrowText(std::wstring_view text, unsigned codePage);

}  // namespace qz5
