// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text.h"

namespace qz5 {

Text say(const char* context, const char* source, const char* disambiguation,
         std::optional<long> count) {
    Text text;
    text.context_ = context;
    text.source_ = source;
    text.disambiguation_ = disambiguation;
    text.count_ = count;
    text.render();
    return text;
}

void Text::render() {
    if (source_ == nullptr) {
        return;
    }
    std::vector<std::string> english;
    english.reserve(values_.size());
    for (const Text& value : values_) {
        english.push_back(value.english());
    }
    english_ = filledIn(source_, english, count_);
}

std::string filledIn(std::string_view source, const std::vector<std::string>& values,
                     std::optional<long> count) {
    std::string out;
    out.reserve(source.size());
    for (std::size_t k = 0; k < source.size(); ++k) {
        const char next = k + 1 < source.size() ? source[k + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (source[k] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += values[index];
            ++k;
        } else if (source[k] == '%' && next == 'n' && count) {
            out += std::to_string(*count);
            ++k;
        } else {
            out += source[k];
        }
    }
    return out;
}

}  // namespace qz5
