// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/reader_language.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "language/catalogue.h"
#include "language/shown_text.h"

namespace qz5 {

namespace {

const Catalogue* speaking = nullptr;

}  // namespace

void speakThrough(const Catalogue* catalogue) {
    speaking = catalogue != nullptr && catalogue->loaded() ? catalogue : nullptr;
}

std::string shown(const Text& text) {
    // English untouched: names and reasons may hold bytes that are no UTF-8.
    if (speaking == nullptr) {
        return text.english();
    }
    return shownText(text, *speaking).toStdString();
}

std::size_t columnsOf(const std::string& words) {
    return static_cast<std::size_t>(std::count_if(words.begin(), words.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
    }));
}

void speakHelp(CLI::App& command) {
    const std::string options = shown(say("Cli", "Options", "the heading of the help's options"));
    command.option_defaults()->group(options);
    if (CLI::Option* help = command.get_help_ptr(); help != nullptr) {
        help->group(options);
        help->description(shown(say("Cli", "Print this help message and exit")));
    }
    command.group(shown(say("Cli", "Subcommands", "the heading of the help's commands")));
    if (command.get_parent() == nullptr) {
        command.get_formatter()->label("Usage", shown(say("Cli", "Usage")));
        command.get_formatter()->label("Positionals", shown(say("Cli", "Positionals")));
    }
}

}  // namespace qz5
