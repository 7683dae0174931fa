// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/field_setting.h"

#include <algorithm>
#include <array>
#include <optional>
#include <type_traits>
#include <utility>

#include "common/outside_text.h"
#include "config/kept_delays.h"
#include "config/record_fields.h"
#include "config/timing/smart_beaconing_presets.h"
#include "tools/qz5cfg/config_json.h"

namespace qz5 {

namespace {

// The window's tab, the marks the program keeps for itself and the name
// shown for the symbol.
constexpr std::array<std::string_view, 5> kUnsettable = {
    "activeProfile", "calibrationChanged", "slotDivides60", "slotDivides600", kSymbolNameField};

template <typename T>
constexpr bool kIsText = std::is_same_v<T, char>;
template <std::size_t N>
constexpr bool kIsText<std::array<char, N>> = true;

// A text is taken as it stands, so "123" stays a callsign; anything else is
// read as JSON, and what is no JSON is passed on as a text for applyJson to
// name the type it expected.
template <typename Value>
Json jsonValue(std::string_view value) {
    if constexpr (!kIsText<Value>) {
        try {
            return parseJson(value);
        } catch (const JsonFormError&) {
        }
    }
    return std::string(value);
}

// "profiles[N]." with N a profile, or nothing.
std::optional<int> profileOf(std::string_view& name) {
    for (int profile = 0; profile < kProfileCount; ++profile) {
        const std::string prefix = "profiles[" + std::to_string(profile) + "].";
        if (name.starts_with(prefix)) {
            name.remove_prefix(prefix.size());
            return profile;
        }
    }
    return std::nullopt;
}

// The one-field JSON form that sets `name` to `value`.
std::optional<Json> formFor(std::string_view name, std::string_view value) {
    std::optional<Json> form;
    if (const std::optional<int> profile = profileOf(name)) {
        forEachProfileField([&](const FieldInfo& field, auto member) {
            using Value =
                std::remove_cvref_t<decltype((std::declval<TrackerConfig&>().*member)[0])>;
            if (field.name == name) {
                Json profiles = Json::array();
                for (int k = 0; k < *profile; ++k) {
                    profiles.push_back(Json::object());
                }
                profiles.push_back(Json{{field.name, jsonValue<Value>(value)}});
                form = Json{{"profiles", std::move(profiles)}};
            }
        });
        return form;
    }
    forEachSharedField([&](const FieldInfo& field, auto member) {
        using Value = std::remove_cvref_t<decltype(std::declval<TrackerConfig&>().*member)>;
        if (field.name == name) {
            form = Json{{field.name, jsonValue<Value>(value)}};
        }
    });
    return form;
}

}  // namespace

void applySetting(std::string_view assignment, TrackerConfig& config) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos) {
        throw JsonFormError(say("Cli", "%1: expected FIELD=VALUE").with(printableText(assignment)));
    }
    const std::string_view name = assignment.substr(0, equals);
    std::string_view field = name;
    static_cast<void>(profileOf(field));
    if (std::find(kUnsettable.begin(), kUnsettable.end(), field) != kUnsettable.end()) {
        throw JsonFormError(say("Cli", "%1: cannot be set").with(printableText(name)));
    }
    const std::optional<Json> form = formFor(name, assignment.substr(equals + 1));
    if (!form) {
        throw JsonFormError(say("Cli",
                                "%1: unknown field (profile fields are named profiles[0].NAME or "
                                "profiles[1].NAME)")
                                .with(printableText(name)));
    }
    applyJson(*form, config);
}

void applyPresetSetting(std::string_view assignment, TrackerConfig& config) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos) {
        throw JsonFormError(say("Cli", "%1: expected N=NAME").with(printableText(assignment)));
    }
    const std::string_view profile = assignment.substr(0, equals);
    if (profile != "1" && profile != "2") {
        throw JsonFormError(say("Cli", "%1: the profile is 1 (Primary) or 2 (Secondary)")
                                .with(printableText(assignment)));
    }
    const SmartBeaconingPreset* preset = findSmartBeaconingPreset(assignment.substr(equals + 1));
    if (preset == nullptr) {
        throw JsonFormError(say("Cli", "%1: the presets are %2")
                                .with(printableText(assignment), smartBeaconingPresetNames()));
    }
    applySmartBeaconingPreset(*preset, config, profile == "1" ? 0 : 1);
}

ExitStatus applySettings(const RecordChanges& changes, TrackerConfig& config, ConfigImage* image) {
    if (changes.presets.empty() && changes.settings.empty()) {
        return ExitStatus::Ok;
    }
    TrackerConfig result = config;
    const auto applyAll = [&result](const std::vector<std::string>& list, const char* option,
                                    void (*apply)(std::string_view, TrackerConfig&)) {
        for (const std::string& change : list) {
            try {
                apply(change, result);
            } catch (const JsonFormError& error) {
                reportToolError(say("Cli", "%1 %2", "an option and what is wrong with its value")
                                    .with(option, error.reason()));
                return false;
            }
        }
        return true;
    };
    if (!applyAll(changes.presets, "--preset", applyPresetSetting) ||
        !applyAll(changes.settings, "--set", applySetting)) {
        return ExitStatus::Usage;
    }
    if (image) {
        std::array<std::uint8_t, kImageBufferSize> buffer{};
        showMessages(encodeKeepingDelays(result, buffer, image).messages());
        std::copy_n(buffer.begin(), kImageSize, image->begin());
    }
    config = result;
    return ExitStatus::Ok;
}

}  // namespace qz5
