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

constexpr const char* kWithout = "; symbols are shown without names or pictures.";

std::string chosenPath() {
    const char* chosen = std::getenv("QZ5_SYMBOLS");
    if (chosen != nullptr && chosen[0] != '\0') {
        return chosen;
    }
    return textFromPath(installedDataFile("/usr/share/xastir/symbols/symbols.dat", L"symbols.dat"));
}

}  // namespace

SymbolSource readSymbolList(const std::string& path) {
    SymbolSource source{.path = printableText(path), .list = {}, .notice = {}};
    const ListText read = readListText(path, source.path, kLimit);
    if (!read.text) {
        // The problem may be a sentence of its own ("...; give a file.").
        std::string_view problem = read.problem;
        if (problem.ends_with('.')) {
            problem.remove_suffix(1);
        }
        source.notice = "No symbol list: " + std::string(problem) + kWithout;
        return source;
    }
    SymbolList::Parsed parsed = SymbolList::parse(*read.text);
    source.list = std::move(parsed.list);
    if (!source.list) {
        source.notice = "No symbol list: " + source.path + " holds no symbol pictures" + kWithout;
    } else if (parsed.skipped > 0) {
        source.notice = "Symbol list " + source.path + ": " + std::to_string(parsed.skipped) +
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
