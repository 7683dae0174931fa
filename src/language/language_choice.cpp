// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/language_choice.h"

#include <algorithm>
#include <string_view>

namespace qz5 {

namespace {

bool isPlainLocale(std::string_view locale) {
    return locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

// "de_DE.UTF-8@euro" -> "de_DE"; "-" for BCP 47's "pt-BR".
std::string languageAndRegion(std::string_view entry) {
    std::string name(entry.substr(0, entry.find_first_of(".@")));
    std::ranges::replace(name, '-', '_');
    return name;
}

std::string languageOnly(std::string_view name) {
    return std::string(name.substr(0, name.find('_')));
}

}  // namespace

const std::vector<Language>& translatedLanguages() {
    static const std::vector<Language> languages = {
        {"de", "Deutsch"},  {"es", "Español"}, {"fr", "Français"},
        {"it", "Italiano"}, {"ja", "日本語"},  {"pt_BR", "Português (Brasil)"},
    };
    return languages;
}

std::vector<std::string> languagesFromEnvironment(
    const std::function<const char*(const char*)>& lookup) {
    const auto value = [&lookup](const char* name) {
        const char* found = lookup(name);
        return std::string(found != nullptr ? found : "");
    };
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (locale = value(name); !locale.empty()) {
            break;
        }
    }
    if (isPlainLocale(locale)) {
        return {};
    }
    std::vector<std::string> wanted;
    const std::string list = value("LANGUAGE");
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        if (end > start) {
            wanted.push_back(list.substr(start, end - start));
        }
        start = end + 1;
    }
    wanted.push_back(locale);
    return wanted;
}

std::optional<std::string> catalogueFor(const std::vector<std::string>& wanted) {
    const std::vector<Language>& known = translatedLanguages();
    for (const std::string& entry : wanted) {
        const std::string name = languageAndRegion(entry);
        const std::string language = languageOnly(name);
        if (language == "en") {
            return std::nullopt;
        }
        const auto exact = std::ranges::find(known, name, &Language::code);
        if (exact != known.end()) {
            return exact->code;
        }
        const auto sameLanguage = std::ranges::find_if(
            known, [&language](const Language& l) { return languageOnly(l.code) == language; });
        if (sameLanguage != known.end()) {
            return sameLanguage->code;
        }
    }
    return std::nullopt;
}

}  // namespace qz5
