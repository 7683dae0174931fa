// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/symbols/system_symbol_list.h"

#include <atomic>
#include <cstdlib>

#include "common/regular_file.h"
#include "config/data_file_path.h"

namespace qz5 {
namespace {

// The packaged list is about 100 kB.
constexpr std::size_t kLimit = 4 * 1024 * 1024;

constexpr const char* kWithout = "; symbols are shown without names or pictures.";

std::string chosenPath() {
    const char* chosen = std::getenv("QZ5_SYMBOLS");
    if (chosen != nullptr && chosen[0] != '\0') {
        return chosen;
    }
    // Paths travel as UTF-8 on Windows, where the program may lie in any folder.
    const std::u8string path =
        installedDataFile("/usr/share/xastir/symbols/symbols.dat", L"symbols.dat").u8string();
    return {path.begin(), path.end()};
}

}  // namespace

SymbolSource readSymbolList(const std::string& path) {
    SymbolSource source{.path = path, .list = {}, .notice = {}};
    const FileRead read = readRegularFile(path, kLimit + 1);
    if (read.status != FileReadStatus::Read) {
        source.notice = "No symbol list: " + describeFailedRead(path, read) + kWithout;
        return source;
    }
    if (read.bytes.size() > kLimit) {
        source.notice = "No symbol list: " + path + " is larger than 4 MB" + kWithout;
        return source;
    }
    SymbolList::Parsed parsed = SymbolList::parse(
        std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
    source.list = std::move(parsed.list);
    if (!source.list) {
        source.notice = "No symbol list: " + path + " holds no symbol pictures" + kWithout;
    } else if (parsed.skipped > 0) {
        source.notice = "Symbol list " + path + ": " + std::to_string(parsed.skipped) +
                        " bad entr" + (parsed.skipped == 1 ? "y" : "ies") +
                        " skipped, the first at line " + std::to_string(parsed.firstSkippedLine) +
                        ".";
    }
    return source;
}

const SymbolSource& systemSymbols() {
    // A function-local static is built once, even with several threads asking.
    static const SymbolSource source = readSymbolList(chosenPath());
    return source;
}

std::optional<std::string> takeSymbolNotice() {
    static std::atomic<bool> told = false;
    const SymbolSource& source = systemSymbols();
    if (source.notice.empty() || told.exchange(true)) {
        return std::nullopt;
    }
    return source.notice;
}

}  // namespace qz5
