// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace qz5 {

// The language the window speaks: the one chosen on the window menu, kept in
// window.conf, else the system's; Qt's own texts (standard buttons, the file
// dialogs, a field's edit menu) speak it too. Installing a language sends
// every widget a LanguageChange, on which the window sets its texts again.

// Once the application object exists.
void speakChosenLanguage();
// The choice kept in window.conf; empty for the system's own.
std::string chosenLanguage();
// Remembers the choice (empty: the system's) and speaks it at once.
void chooseLanguage(const std::string& code);
// The catalogue the window speaks now; none for English.
std::optional<std::string> spokenLanguage();

}  // namespace qz5
