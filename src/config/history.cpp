#include "config/history.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <ostream>

#include "common/user_state_dir.h"
#include "config/atomic_file.h"
#include "config/config_file.h"

namespace qz5 {
namespace {

constexpr std::string_view kExtension = ".zb3";
constexpr std::size_t kMaxPartLength = 64;
constexpr char kSeparator = '_';

// Names must survive every file system and split back into their parts, so
// anything but letters, digits, '.', '+' and '-' becomes '-'.
std::string namePart(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') {
        text.remove_suffix(1);
    }
    std::string part;
    for (const char c : text.substr(0, kMaxPartLength)) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-';
        part += plain ? c : '-';
    }
    const auto start = part.find_first_not_of('-');
    return start == std::string::npos ? "unknown" : part.substr(start);
}

// "2026-12-07T100132.123Z": sorts by time, and no ':' for other systems.
std::string timeStamp() {
    using namespace std::chrono;
    const auto now = floor<milliseconds>(system_clock::now());
    const auto day = floor<days>(now);
    const year_month_day date(day);
    const hh_mm_ss time(now - day);
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02u-%02uT%02ld%02ld%02lld.%03lldZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<long>(time.hours().count()),
                  static_cast<long>(time.minutes().count()),
                  static_cast<long long>(time.seconds().count()),
                  static_cast<long long>(time.subseconds().count()));
    return text.data();
}

std::vector<std::string_view> splitName(std::string_view stem) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = stem.find(kSeparator, start);
        parts.push_back(stem.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// "2026-12-07T100132.123Z" (with a possible counter) read back for people.
std::string readableTime(std::string_view stamp) {
    if (stamp.size() < 21 || stamp[10] != 'T') {
        return std::string(stamp);
    }
    std::string text(stamp.substr(0, 10));
    text += ' ';
    text += stamp.substr(11, 2);
    text += ':';
    text += stamp.substr(13, 2);
    text += ':';
    text += stamp.substr(15, 6);
    return text;
}

std::optional<HistoryEntry> parseEntry(const std::filesystem::path& file) {
    if (file.extension() != kExtension) {
        return std::nullopt;
    }
    const std::string stem = file.stem().string();
    const auto parts = splitName(stem);
    if (parts.size() != 4 || parts[0].empty() || parts[0][0] < '0' || parts[0][0] > '9') {
        return std::nullopt;
    }
    return HistoryEntry{readableTime(parts[0]), std::string(parts[1]), std::string(parts[2]),
                        std::string(parts[3]), file};
}

// Names begin with the time, so the newest sort last.
std::vector<std::filesystem::path> keptFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        if (item.is_regular_file(error) && parseEntry(item.path())) {
            files.push_back(item.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void warn(std::ostream& warnings, const std::string& why) {
    warnings << "warning: the image was not kept in the history: " << why << '\n' << std::flush;
}

}  // namespace

std::filesystem::path historyDir() {
    const std::filesystem::path state = userStateDir();
    return state.empty() ? state : state / "history";
}

void keepInHistory(const HistoryImage& entry, std::ostream& warnings,
                   const std::filesystem::path& folder, std::size_t limit) {
    if (folder.empty()) {
        warn(warnings, "no folder to keep it in (HOME and XDG_STATE_HOME are unset)");
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        warn(warnings, folder.string() + ": " + error.message());
        return;
    }
    const std::string rest = std::string(1, kSeparator) + namePart(entry.direction) + kSeparator +
                             namePart(entry.port) + kSeparator + namePart(entry.version) +
                             std::string(kExtension);
    const std::string stamp = timeStamp();
    std::filesystem::path file = folder / (stamp + rest);
    // Within one millisecond a counter keeps names apart; the letter sorts it
    // after the first name of that millisecond.
    for (int counter = 1; std::filesystem::exists(file, error); ++counter) {
        std::array<char, 16> suffix{};
        std::snprintf(suffix.data(), suffix.size(), "n%03d", counter);
        file = folder / (stamp + suffix.data() + rest);
    }
    SystemSaveCalls calls;
    if (replaceFile(file.string(), configFileContents(entry.image), calls) !=
        ReplaceResult::Replaced) {
        warn(warnings, "cannot write " + file.string());
        return;
    }
    const auto files = keptFiles(folder);
    for (std::size_t i = 0; i + limit < files.size(); ++i) {
        std::filesystem::remove(files[i], error);
    }
}

std::vector<HistoryEntry> listHistory(const std::filesystem::path& folder) {
    std::vector<HistoryEntry> entries;
    const auto files = keptFiles(folder);
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        entries.push_back(*parseEntry(*file));
    }
    return entries;
}

}  // namespace qz5
