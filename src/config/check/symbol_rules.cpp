// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/check/rule_groups.h"

namespace qz5::check {

void checkSymbol(const CheckInput& input, int k, FindingList& findings) {
    // As the tracker sends them: a control character comes back as another.
    const char table = input.sent.symbolTable[k];
    const char code = input.sent.symbolCode[k];
    const SymbolList* list = input.symbols != nullptr ? input.symbols->get() : nullptr;
    if (table != '/' && table != '\\' && !isOverlayCharacter(table)) {
        findings.add(Severity::Warning, Rule::SymbolPlaceholder, &TrackerConfig::symbolTable, k,
                     list != nullptr
                         ? say("Check",
                               "Set the symbol table to /, \\ or an overlay character 0-9 or A-Z: "
                               "with %1 maps may show a placeholder (symbol list %2).")
                               .with(shownCharacter(table), input.symbols->path)
                         : say("Check",
                               "Set the symbol table to /, \\ or an overlay character 0-9 or A-Z: "
                               "with %1 maps may show a placeholder.")
                               .with(shownCharacter(table)));
    } else if (list != nullptr && list->find(table, code) == nullptr) {
        findings.add(Severity::Warning, Rule::SymbolPlaceholder, &TrackerConfig::symbolCode, k,
                     say("Check",
                         "Choose a symbol the list has a picture for: maps may show a placeholder "
                         "for %1 on the %2 (symbol list %3).")
                         .with(shownCharacter(code), tableName(table), input.symbols->path));
    }
}

}  // namespace qz5::check
