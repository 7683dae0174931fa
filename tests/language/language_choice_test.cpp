// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/language_choice.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace qz5 {
namespace {

struct Case {
    std::map<std::string, std::string> environment;
    const char* expected;  // nullptr: English
};

TEST(LanguageChoice, FollowsTheLocaleAndLanguageAsOtherProgramsReadThem) {
    const Case cases[] = {
        {{}, nullptr},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "de_AT.UTF-8"}}, "de"},
        {{{"LANG", "ja_JP.UTF-8"}}, "ja"},
        {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        {{{"LANG", "pt_PT.UTF-8"}}, "pt_BR"},
        {{{"LANG", "fr_CA.UTF-8@euro"}}, "fr"},
        {{{"LANG", "nl_NL.UTF-8"}}, nullptr},
        {{{"LANG", "en_GB.UTF-8"}}, nullptr},
        // LC_ALL before LC_MESSAGES before LANG.
        {{{"LC_ALL", "it_IT.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}, {"LANG", "fr_FR"}}, "it"},
        {{{"LC_MESSAGES", "es_ES.UTF-8"}, {"LANG", "fr_FR.UTF-8"}}, "es"},
        {{{"LC_ALL", ""}, {"LANG", "es_MX.UTF-8"}}, "es"},
        // LANGUAGE's list first, but never under C or POSIX.
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "ja:de"}}, "ja"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "nl:fr"}}, "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_US:de"}}, nullptr},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", ":"}}, "de"},
        {{{"LC_ALL", "C"}, {"LANGUAGE", "de"}}, nullptr},
        {{{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}}, nullptr},
        {{{"LANG", "POSIX"}, {"LANGUAGE", "ja"}}, nullptr},
        // Windows gives BCP 47 names.
        {{{"LANG", "pt-BR"}}, "pt_BR"},
    };
    for (const Case& c : cases) {
        const auto lookup = [&c](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        const std::optional<std::string> chosen = catalogueFor(languagesFromEnvironment(lookup));
        std::string described;
        for (const auto& [name, value] : c.environment) {
            described += name + "=" + value + " ";
        }
        EXPECT_EQ(chosen.value_or("English"), c.expected ? c.expected : "English") << described;
    }
}

}  // namespace
}  // namespace qz5
