// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Marks a text for the catalogues where it is written (a caption in a table);
// it stays the English source, which the front end translates where it shows
// it. lupdate reads these as QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP.
#define QZ5_TEXT(context, text) text
#define QZ5_COUNTED(context, text) text

namespace qz5 {

// Words for a person as the catalogues know them: the English source, the
// values that take the places of its %1, %2, ... and the count of its %n, so
// that each front end can show them in its reader's language, the values in
// the order the translation puts them. Text from outside the catalogues (a
// path, the system's reason) has no source and is shown as it is.
class Text {
  public:
    Text() = default;
    Text(std::string plain) : english_(std::move(plain)) {}  // NOLINT: words from outside
    Text(const char* plain) : english_(plain) {}             // NOLINT: as are these

    // Values for the %1, %2, ... of a source, in that order.
    template <typename... Values>
    Text with(Values&&... values) && {
        (values_.emplace_back(std::forward<Values>(values)), ...);
        render();
        return std::move(*this);
    }

    // What it reads in English; what the text was before there were catalogues.
    const std::string& english() const { return english_; }
    bool empty() const { return english_.empty(); }
    // The catalogue's entry; null for words from outside.
    const char* context() const { return context_; }
    const char* source() const { return source_; }
    const char* disambiguation() const { return disambiguation_; }
    std::optional<long> count() const { return count_; }
    const std::vector<Text>& values() const { return values_; }

    // Where words are only stored or compared, they are their English.
    operator const std::string&() const { return english_; }  // NOLINT
    bool operator==(const Text& other) const { return english_ == other.english_; }
    friend bool operator==(const Text& text, const std::string& english) {
        return text.english_ == english;
    }
    friend bool operator==(const Text& text, const char* english) {
        return text.english_ == english;
    }
    friend std::ostream& operator<<(std::ostream& out, const Text& text) {
        return out << text.english_;
    }

  private:
    friend Text say(const char*, const char*, const char*, std::optional<long>);
    void render();

    std::string english_;
    const char* context_ = nullptr;
    const char* source_ = nullptr;
    const char* disambiguation_ = nullptr;
    std::optional<long> count_;
    std::vector<Text> values_;
};

// A text of the catalogues: `context` groups it, `disambiguation` tells apart
// two of the same words, `count` picks the plural form and fills %n. lupdate
// reads these calls as QCoreApplication::translate, so every argument but the
// count must be a literal where it is written.
Text say(const char* context, const char* source, const char* disambiguation = nullptr,
         std::optional<long> count = std::nullopt);

// The source with its %1 ... %9 and %n filled, each placeholder in one pass so
// that a value holding a % is never read again.
std::string filledIn(std::string_view source, const std::vector<std::string>& values,
                     std::optional<long> count);

}  // namespace qz5
