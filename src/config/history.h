// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/outcome.h"
#include "config/config_image.h"

namespace qz5 {

// Every image that passes between the program and a tracker is kept as a
// configuration file, so that no write can lose a configuration for good.

// The history folder in the user's state folder; empty when the system names
// no such place.
std::filesystem::path historyDir();

inline constexpr std::size_t kHistoryLimit = 1000;

// What is kept and how it is named: a listing of the folder shows in which
// order it was stored, when, which way, which port and which tracker version.
struct HistoryImage {
    ConfigImage image{};
    std::string_view direction;  // "read", "write" or "backup"
    std::string_view port;       // the port's most stable name
    std::string_view version;    // the tracker's version reply
};

// What storing remembers for one command or one window's life: the clock's
// warning is given once.
class HistoryWarnings {
  public:
    // The warning that the clock is behind the kept images, the first time.
    std::optional<Message> clockBehind(const std::string& now, const std::string& newest);

  private:
    bool clockWarned_ = false;
};

// Where an image was kept, and the number it was kept under.
struct KeptFile {
    std::filesystem::path file;
    std::uint64_t number = 0;
};

// Stores the image in `folder` (created for the user alone, as the image
// holds the owner's callsign) and removes all but the `limit` images stored
// last. The order is the order of storing, kept in the names, so a clock that
// is behind never makes the image just taken the first to go; numbers are
// unique, chosen under the folder's lock. A folder that another user owns or
// may write to, or whose folders from the state base down are so, is
// refused. The warnings come back as notices; a failure's own text is why
// the image was not kept.
Outcome<KeptFile> keepInHistory(const HistoryImage& entry, HistoryWarnings& warnings,
                                const std::filesystem::path& folder = historyDir(),
                                std::size_t limit = kHistoryLimit);

struct HistoryEntry {
    // The number counting the images in the order they were stored; names
    // kept before there were numbers have none.
    std::optional<std::uint64_t> sequence;
    std::string time;  // UTC, "2026-12-07 10:01:32.123"
    std::string direction;
    std::string port;
    std::string version;
    std::filesystem::path file;
};

// The kept images, the one stored last first; files of other names are passed
// over. With `problem` saying why: none from a folder that keepInHistory
// would refuse, what could be read from a folder that cannot be read to its
// end. A folder that does not exist yet holds no images and is no problem.
// Never throws.
struct HistoryListing {
    std::vector<HistoryEntry> entries;
    std::string problem;  // printable; empty when the whole folder was read
    Text why;             // the same as the catalogues know it
};
HistoryListing readHistory(const std::filesystem::path& folder = historyDir());
// The same, for a caller with no place to say the problem.
std::vector<HistoryEntry> listHistory(const std::filesystem::path& folder = historyDir());

// One kept image read back as Load reads a file, without a box: the image, or
// why the file does not read as a configuration file.
struct KeptImage {
    std::optional<ConfigImage> image;
    std::string problem;
    Text why;  // the same as the catalogues know it
};
KeptImage readKeptImage(const std::filesystem::path& file);

}  // namespace qz5
