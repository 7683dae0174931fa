// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "common/text.h"
#include "config/settings_comparison.h"
#include "config/tracker_config.h"

namespace qz5 {

// Key order matters to people reading the output: keep the record's order.
using Json = nlohmann::ordered_json;

// A JSON text that is not a valid record; the message names the field (or the
// position of a syntax error).
class JsonFormError : public std::runtime_error {
  public:
    explicit JsonFormError(Text reason)
        : std::runtime_error(reason.english()), reason_(std::move(reason)) {}
    // The same words, for the reader's language.
    const Text& reason() const { return reason_; }

  private:
    Text reason_;
};

// Shown with each profile for people (the symbol list's name for its symbol);
// every reader of the form passes over it.
inline constexpr const char* kSymbolNameField = "symbolName";

// The whole record: activeProfile, calibration, calibrationChanged and the two
// profiles (Primary, Secondary), each field under its own name.
Json configToJson(const TrackerConfig& config);

// One setting as the whole record's JSON form gives it.
Json settingToJson(const SettingValue& value);

// Sets the fields present in `form`; absent ones keep their values. Throws
// JsonFormError on the first bad field, leaving `config` untouched.
void applyJson(const Json& form, TrackerConfig& config);

// Throws JsonFormError with the line and column of a syntax error.
Json parseJson(std::string_view text);

}  // namespace qz5
