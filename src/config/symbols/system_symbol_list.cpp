// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/symbols/system_symbol_list.h"

#include <atomic>
#include <cstdlib>
#include <string_view>

#include "common/outside_text.h"
#include "common/path_text.h"
#include "common/regular_file.h"
#include "config/data_file_path.h"

namespace qz5 {
namespace {

// The packaged list is about 100 kB.
constexpr std::size_t kLimit = std::size_t{4} << 20;

std::string chosenPath() {
    const char* chosen = std::getenv("QZ5_SYMBOLS");
    if (chosen != nullptr && chosen[0] != '\0') {
        return chosen;
    }
    return textFromPath(installedDataFile("/usr/share/xastir/symbols/symbols.dat", L"symbols.dat"));
}

}  // namespace

SymbolSource readSymbolList(const std::string& path) {
    SymbolSource source{.path = printableText(path), .list = {}, .notice = {}, .said = {}};
    const ListText read = readListText(path, source.path, kLimit);
    if (!read.text) {
        source.said = read.notRegular
                          ? say("Symbols",
                                "No symbol list: %1 is not a regular file (a folder, a FIFO or "
                                "a device); give a file; symbols are shown without names or "
                                "pictures.")
                                .with(source.path)
                          : say("Symbols",
                                "No symbol list: %1; symbols are shown without names or "
                                "pictures.")
                                .with(read.problem);
        source.notice = source.said.english();
        return source;
    }
    SymbolList::Parsed parsed = SymbolList::parse(*read.text);
    source.list = std::move(parsed.list);
    if (!source.list) {
        source.said = say("Symbols",
                          "No symbol list: %1 holds no symbol pictures; symbols are shown "
                          "without names or pictures.")
                          .with(source.path);
    } else if (parsed.skipped > 0) {
        const auto skipped = static_cast<long>(parsed.skipped);
        source.said =
            (parsed.skipped == 1
                 ? say("Symbols", "Symbol list %1: %n bad entry skipped, the first at line %2.",
                       nullptr, skipped)
                 : say("Symbols", "Symbol list %1: %n bad entries skipped, the first at line %2.",
                       nullptr, skipped))
                .with(source.path, std::to_string(parsed.firstSkippedLine));
    }
    source.notice = source.said.english();
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
