// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "common/text.h"
#include "config/symbols/symbol_list.h"

namespace qz5 {

// A symbol list as read from one file, with what a person should be told
// about it: that there is none, or that entries of it were skipped.
struct SymbolSource {
    std::string path;  // as shown to a person: control bytes escaped
    std::optional<SymbolList> list;
    std::string notice;  // empty when the whole file was read
    Text said{};         // the notice as the catalogues know it

    const SymbolList* get() const { return list ? &*list : nullptr; }
};

// Reads at most a few megabytes of a regular file; never throws, never aborts.
SymbolSource readSymbolList(const std::string& path);

// The symbol list on this system, read on the first call and kept for the
// life of the process: Debian's xastir-data package, on Windows the file
// beside the programs, or the file that QZ5_SYMBOLS names. The first call
// reads the file; a window makes it away from its GUI thread.
const SymbolSource& systemSymbols();

// The notice of the system list the first time it is asked for, then none,
// so a program says it once.
std::optional<std::string> takeSymbolNotice();

}  // namespace qz5
