// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/symbol_names.h"

#include "common/outside_text.h"
#include "tools/qz5cfg/exit_status.h"

namespace qz5 {

std::optional<Text> nameSymbol(const SymbolSource& symbols, char table, char code) {
    if (const std::optional<std::string> notice = takeSymbolNotice()) {
        reportToolError(*notice);
    }
    if (symbols.get() == nullptr) {
        return std::nullopt;
    }
    return describeSymbol(*symbols.get(), table, code);
}

void addSymbolNames(Json& form, const TrackerConfig& config, const SymbolSource& symbols) {
    Json& profiles = form.at("profiles");
    for (std::size_t k = 0; k < kProfileCount; ++k) {
        const std::optional<Text> name =
            nameSymbol(symbols, config.symbolTable[k], config.symbolCode[k]);
        // The list is outside text: what is no UTF-8 is not printed as such.
        const Json value = name ? Json(validUtf8(name->english())) : Json();
        Json named = Json::object();
        for (auto& [key, field] : profiles[k].items()) {
            named[key] = std::move(field);
            if (key == "symbolTable") {
                named[kSymbolNameField] = value;
            }
        }
        profiles[k] = std::move(named);
    }
}

}  // namespace qz5
