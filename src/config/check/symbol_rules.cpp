// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/check/rule_groups.h"

namespace qz5::check {

void checkSymbol(const CheckInput& input, int k, FindingList& findings) {
    // As the tracker sends them: a control character comes back as another.
    const char table = input.sent.symbolTable[k];
    const char code = input.sent.symbolCode[k];
    const SymbolList* list = input.symbols != nullptr ? input.symbols->get() : nullptr;
    const std::string used = list != nullptr ? " (symbol list " + input.symbols->path + ")" : "";
    if (table != '/' && table != '\\' && !isOverlayCharacter(table)) {
        findings.add(Severity::Warning, Rule::SymbolPlaceholder, &TrackerConfig::symbolTable, k,
                     "Set the symbol table to /, \\ or an overlay character 0-9 or A-Z: with " +
                         shownCharacter(table) + " maps may show a placeholder" + used + ".");
    } else if (list != nullptr && list->find(table, code) == nullptr) {
        findings.add(Severity::Warning, Rule::SymbolPlaceholder, &TrackerConfig::symbolCode, k,
                     "Choose a symbol the list has a picture for: maps may show a placeholder "
                     "for " +
                         shownCharacter(code) + " on the " + tableName(table) + used + ".");
    }
}

}  // namespace qz5::check
