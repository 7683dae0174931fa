// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/history.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <utility>

#include "common/outcome.h"
#include "common/outside_text.h"
#include "common/private_folder.h"
#include "common/user_state_dir.h"
#include "config/atomic_file.h"
#include "config/config_file.h"
#include "config/history_lock.h"
#include "config/tracker_config.h"

namespace qz5 {
namespace {

constexpr std::string_view kExtension = ".zb3";
constexpr std::size_t kMaxPartLength = 64;
constexpr char kSeparator = '_';
// "2026-12-07T100132.123Z", without the counter that older names may carry.
constexpr std::size_t kStampLength = 22;
constexpr std::uint64_t kLastSequence = std::numeric_limits<std::uint64_t>::max();

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

// "2026-12-07T100132.123Z": UTC, and no ':' for other systems.
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

bool startsWithDigit(std::string_view text) {
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0])) != 0;
}

// A kept image's name: "000042_2026-12-07T100132.123Z_read_PORT_VERSION.zb3",
// the number counting the images in the order they were stored. Names kept
// before there was a number have the four parts after it.
struct KeptName {
    std::optional<std::uint64_t> sequence;
    std::string stamp;
    HistoryEntry entry;
};

std::optional<KeptName> parseName(const std::filesystem::path& file) {
    if (file.extension() != kExtension) {
        return std::nullopt;
    }
    const std::string stem = file.stem().string();
    auto parts = splitName(stem);
    std::optional<std::uint64_t> sequence;
    if (parts.size() == 5) {
        const std::string_view digits = parts[0];
        std::uint64_t number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        // Any number that fits, however many digits: the number after
        // 999999999999999999 must be listed and pruned like the rest.
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
            return std::nullopt;
        }
        sequence = number;
        parts.erase(parts.begin());
    }
    if (parts.size() != 4 || !startsWithDigit(parts[0])) {
        return std::nullopt;
    }
    return KeptName{sequence, std::string(parts[0].substr(0, kStampLength)),
                    HistoryEntry{sequence, readableTime(parts[0]), std::string(parts[1]),
                                 std::string(parts[2]), std::string(parts[3]), file}};
}

// Numbered names after those kept before numbers, which go by their time.
bool storedBefore(const KeptName& a, const KeptName& b) {
    if (a.sequence.has_value() != b.sequence.has_value()) {
        return !a.sequence;
    }
    if (a.sequence != b.sequence) {
        return a.sequence < b.sequence;
    }
    return a.entry.file.filename() < b.entry.file.filename();
}

// In the order they were stored, the last one last. A folder that cannot be
// read to its end gives what could be read, and `error` says why.
std::vector<KeptName> keptImages(const std::filesystem::path& folder, std::error_code& error) {
    std::vector<KeptName> kept;
    for (std::filesystem::directory_iterator item(folder, error), end; !error && item != end;
         item.increment(error)) {
        std::error_code typeError;
        if (item->is_regular_file(typeError)) {
            if (auto name = parseName(item->path())) {
                kept.push_back(std::move(*name));
            }
        }
    }
    std::sort(kept.begin(), kept.end(), storedBefore);
    return kept;
}

std::vector<KeptName> keptImages(const std::filesystem::path& folder) {
    std::error_code ignored;
    return keptImages(folder, ignored);
}

// Missing folders are made for the user alone, as the base directory rules
// ask: the images hold the owner's callsign and settings. Empty, or what
// stood in the way.
Text createPrivateFolders(const std::filesystem::path& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error) || folder.parent_path() == folder) {
        return {};
    }
    if (Text problem = createPrivateFolders(folder.parent_path()); !problem.empty()) {
        return problem;
    }
    if (std::filesystem::create_directory(folder, error)) {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
        return {};
    }
    // Another program storing at the same moment made it first.
    if (!error && std::filesystem::is_directory(folder, error)) {
        return {};
    }
    // "File exists" would hide what is wrong. The throwing forms would end the
    // program where the folder cannot even be looked at (a name too long).
    std::error_code looked;
    if (std::filesystem::exists(folder, looked) && !std::filesystem::is_directory(folder, looked)) {
        return say("Files", "%1 is not a folder").with(printableText(folder.string()));
    }
    return say("Files", "%1: %2").with(printableText(folder.string()), error.message());
}

// Whether a reader or writer could be misled: every folder from the state
// base down to the history must be the user's and closed to other writers.
// Folders above the base, and those of a folder given elsewhere, are not
// ours to judge. The history folder itself becomes the user's alone.
Text historyFolderProblem(const std::filesystem::path& folder) {
    std::filesystem::path base = userStateBase().lexically_normal();
    if (!base.has_filename()) {
        base = base.parent_path();  // "/state/" names the same folder as "/state"
    }
    const std::filesystem::path normal = folder.lexically_normal();
    const auto inside = normal.lexically_relative(base);
    const bool underBase = !base.empty() && !inside.empty() && *inside.begin() != "..";
    bool tightened = false;
    if (Text problem = privateFolderProblem(normal, true, &tightened); !problem.empty()) {
        return problem;
    }
    if (tightened) {
        // Images kept while the folder was open to others go private too.
        std::error_code error;
        for (std::filesystem::directory_iterator item(normal, error), end; !error && item != end;
             item.increment(error)) {
            if (item->path().extension() == kExtension) {
                std::filesystem::permissions(
                    item->path(),
                    std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                    error);
            }
        }
    }
    for (std::filesystem::path above = normal;
         underBase && above != base && above != above.parent_path();) {
        above = above.parent_path();
        if (Text problem = privateFolderProblem(above); !problem.empty()) {
            return problem;
        }
    }
    return {};
}

std::string sequenceText(std::uint64_t sequence) {
    std::array<char, 24> text{};
    std::snprintf(text.data(), text.size(), "%06llu", static_cast<unsigned long long>(sequence));
    return text.data();
}

}  // namespace

std::optional<Message> HistoryWarnings::clockBehind(const std::string& now,
                                                    const std::string& newest) {
    if (std::exchange(clockWarned_, true)) {
        return std::nullopt;
    }
    return Message{.text = say("History",
                               "the clock (%1) is behind the newest image in the history (%2); "
                               "images are still kept in the order they were stored")
                               .with(now, newest),
                   .caption = say("History", "warning")};
}

std::filesystem::path historyDir() {
    const std::filesystem::path state = userStateDir();
    return state.empty() ? state : state / "history";
}

Outcome<KeptFile> keepInHistory(const HistoryImage& entry, HistoryWarnings& warnings,
                                const std::filesystem::path& folder, std::size_t limit) {
    Notices raised;
    const auto notKept = [&raised](Text why) {
        return Outcome<KeptFile>(
                   Failure{FailureKind::CannotSave,
                           {.text = std::move(why),
                            .caption =
                                say("History", "warning: the image was not kept in the history")}})
            .after(std::move(raised));
    };
    if (folder.empty()) {
        return notKept(
            say("History", "no folder to keep it in (HOME and XDG_STATE_HOME are unset)"));
    }
    Text problem = historyFolderProblem(folder);
    if (problem.empty()) {
        problem = createPrivateFolders(folder);
    }
    if (!problem.empty()) {
        return notKept(problem);
    }
    // From the listing that gives the number until the file bears it.
    const HistoryLock lock(folder);
    if (!lock.problem().empty()) {
        return notKept(lock.problem());
    }
    const std::vector<KeptName> before = keptImages(folder);
    const std::string stamp = timeStamp();
    std::uint64_t sequence = 1;
    if (!before.empty()) {
        if (stamp < before.back().stamp) {
            if (auto behind = warnings.clockBehind(stamp, before.back().stamp)) {
                raised.push_back(std::move(*behind));
            }
        }
        // Without a number the image would sort oldest and be pruned first.
        if (before.back().sequence == kLastSequence) {
            return notKept(say("History",
                               "%1 has the last number there is; move the images elsewhere to "
                               "number anew from 1")
                               .with(printableText(before.back().entry.file.filename().string())));
        }
        sequence = before.back().sequence.value_or(0) + 1;
    }
    const std::filesystem::path file =
        folder / (sequenceText(sequence) + kSeparator + stamp + kSeparator +
                  namePart(entry.direction) + kSeparator + namePart(entry.port) + kSeparator +
                  namePart(entry.version) + std::string(kExtension));
    SystemSaveCalls calls;
    if (replaceFile(file.string(), configFileContents(entry.image), calls,
                    NewFileAccess::OwnerOnly) != ReplaceResult::Replaced) {
        return notKept(say("History", "cannot write %1").with(printableText(file.string())));
    }
    const std::vector<KeptName> kept = keptImages(folder);
    std::error_code error;
    for (std::size_t i = 0; i + limit < kept.size(); ++i) {
        std::filesystem::remove(kept[i].entry.file, error);
    }
    return Outcome<KeptFile>(KeptFile{file, sequence}).after(std::move(raised));
}

std::vector<HistoryEntry> listHistory(const std::filesystem::path& folder) {
    return readHistory(folder).entries;
}

HistoryListing readHistory(const std::filesystem::path& folder) {
    HistoryListing listing;
    listing.why = historyFolderProblem(folder);
    listing.problem = listing.why.english();
    if (!listing.problem.empty()) {
        return listing;
    }
    std::error_code error;
    const std::vector<KeptName> kept = keptImages(folder, error);
    for (auto name = kept.rbegin(); name != kept.rend(); ++name) {
        listing.entries.push_back(name->entry);
    }
    if (error && error != std::errc::no_such_file_or_directory) {
        listing.why = say("Files", "%1: %2").with(printableText(folder.string()), error.message());
        listing.problem = listing.why.english();
    }
    return listing;
}

KeptImage readKeptImage(const std::filesystem::path& file) {
    TrackerConfig ignored;
    ConfigImage image{};
    const Outcome<> read = readConfigFile(file.string(), ignored, &image);
    if (const Failure* failed = read.failure()) {
        const Message& why = failed->message;
        Text problem =
            why.detail.empty() ? why.text : say("Files", "%1: %2").with(why.text, why.detail);
        std::string english = problem.english();
        return {std::nullopt, std::move(english), std::move(problem)};
    }
    return {image, {}, {}};
}

}  // namespace qz5
