#pragma once

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_image.h"

namespace qz5 {

// Every image that passes between the program and a tracker is kept as a
// configuration file, so that no write can lose a configuration for good.

// The history folder in the user's state folder; empty when the system names
// no such place.
std::filesystem::path historyDir();

inline constexpr std::size_t kHistoryLimit = 1000;

// What is kept and how it is named: a listing of the folder shows when, which
// way, which port and which tracker version.
struct HistoryImage {
    ConfigImage image{};
    std::string_view direction;  // "read", "write" or "backup"
    std::string_view port;       // the port's most stable name
    std::string_view version;    // the tracker's version reply
};

// Stores the image in `folder` and removes all but the newest `limit` images.
// Never fails the caller: a problem is one warning line on `warnings`.
void keepInHistory(const HistoryImage& entry, std::ostream& warnings,
                   const std::filesystem::path& folder = historyDir(),
                   std::size_t limit = kHistoryLimit);

struct HistoryEntry {
    std::string time;  // UTC, "2026-12-07 10:01:32.123"
    std::string direction;
    std::string port;
    std::string version;
    std::filesystem::path file;
};

// The kept images, newest first; files of other names are passed over.
std::vector<HistoryEntry> listHistory(const std::filesystem::path& folder = historyDir());

}  // namespace qz5
