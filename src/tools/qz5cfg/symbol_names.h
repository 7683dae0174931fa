// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "config/symbols/system_symbol_list.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/config_json.h"

namespace qz5 {

// The name the symbol list gives table and code; none without a list or a
// picture. The list's notice (none, or entries skipped) is told once on
// stderr.
std::optional<Text> nameSymbol(const SymbolSource& symbols, char table, char code);

// Puts each profile's symbolName after its symbolTable: the list's name, or
// null.
void addSymbolNames(Json& form, const TrackerConfig& config, const SymbolSource& symbols);

}  // namespace qz5
