// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qz5 {

// File names travel through the program as narrow text: the system's own
// bytes on POSIX systems, UTF-8 on Windows (what std::filesystem::path gives
// as string() there, and what Qt and the command line are turned into). A
// path is made from such text here, never by path's own constructor, which
// on Windows reads narrow text in the C library's code page.
inline std::filesystem::path pathFromText(std::string_view text) {
    return std::filesystem::path(
        std::u8string_view(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

// The way back: a path as such narrow text.
inline std::string textFromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace qz5
