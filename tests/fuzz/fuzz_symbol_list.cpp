// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary text as a symbol list, and every table and code looked up: the
// reader must skip what is bad without reading out of bounds.
#include <string_view>

#include "config/symbols/symbol_list.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qz5;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SymbolList::Parsed parsed = SymbolList::parse(text);
    fuzzing::require(parsed.skipped >= 0 && (parsed.skipped == 0) == (parsed.firstSkippedLine == 0),
                     "a skipped entry has its line");
    if (!parsed.list) {
        return 0;
    }
    for (const char table : {'/', '\\', '5', 'Z', '#'}) {
        for (int code = 0; code < 256; ++code) {
            if (const auto name = describeSymbol(*parsed.list, table, static_cast<char>(code))) {
                fuzzing::require(!name->empty(), "a symbol found has a name");
            }
        }
    }
    return 0;
}
