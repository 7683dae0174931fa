// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "common/text.h"

namespace CLI {
class App;
}

namespace qz5 {

class Catalogue;

// The catalogue the tool speaks through from now on; null (or one that did
// not load) keeps it English.
void speakThrough(const Catalogue* catalogue);

// Words for a person as the tool prints them, in UTF-8. In English exactly
// the bytes they always were, whatever they hold.
std::string shown(const Text& text);

// How many columns UTF-8 words take on a terminal, one a character, so that
// translated words line up and wrap as English ones do.
std::size_t columnsOf(const std::string& words);

// The help's own words of a command (its headings, --help) in the reader's
// language; before any option is added, which takes the heading it finds.
void speakHelp(CLI::App& command);

}  // namespace qz5
