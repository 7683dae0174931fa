// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qz5 {

// The languages the program speaks besides English, its source language.
struct Language {
    const char* code;     // the catalogue's name: "de", "pt_BR"
    const char* ownName;  // what its readers call it, as the Language menu shows it
};
const std::vector<Language>& translatedLanguages();

// The languages the environment asks for, best first, as other programs read
// it: the locale of LC_ALL, else LC_MESSAGES, else LANG; under any locale but
// C or POSIX, the list in LANGUAGE comes first. Each entry as given ("de_AT",
// "ja_JP.UTF-8"); empty for C and POSIX.
std::vector<std::string> languagesFromEnvironment(
    const std::function<const char*(const char*)>& lookup);

// What this system asks for: its environment, or on Windows the user's
// display languages.
std::vector<std::string> systemLanguages();

// The catalogue for the first wanted language the program speaks; none when
// English comes first or nothing matches. A language with a region the
// program lacks takes the language's own catalogue ("pt_PT" takes "pt_BR").
std::optional<std::string> catalogueFor(const std::vector<std::string>& wanted);

}  // namespace qz5
