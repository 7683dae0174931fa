// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/config_json.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "common/outside_text.h"
#include "config/record_fields.h"
#include "tools/qz5cfg/strict_latin1.h"

namespace qz5 {

namespace {

// Larger frequencies would overflow the encoder's count of 5 kHz steps.
constexpr double kFrequencyLimitMHz = 1e7;

// `problem` names the field as %1 and takes `values` as %2 ...; the path holds
// the record's own field names, so it is shown escaped.
template <typename... Values>
[[noreturn]] void reject(const std::string& path, Text problem, Values&&... values) {
    throw JsonFormError(
        std::move(problem).with(printableText(path), std::forward<Values>(values)...));
}

// The library's own complaints without its "[json.exception.out_of_range.406] "
// tag; the reason may quote the text read last.
std::string libraryReason(const Json::exception& error) {
    const std::string message = printableText(error.what());
    const auto tagEnd = message.find("] ");
    return tagEnd == std::string::npos ? message : message.substr(tagEnd + 2);
}

std::string profilePath(int profile, std::string_view name) {
    return "profiles[" + std::to_string(profile) + "]" + (name.empty() ? "" : ".") +
           std::string(name);
}

// --- record -> JSON -------------------------------------------------------

Json toJsonValue(std::int32_t value) {
    return value;
}
Json toJsonValue(bool value) {
    return value;
}

// The shortest decimal that gives back the same float (144.39, not
// 144.38999938964844); as a double it prints with those same digits.
Json toJsonValue(float value) {
    char digits[32];
    const auto printed = std::to_chars(std::begin(digits), std::end(digits), value);
    double shortest = 0.0;
    std::from_chars(std::begin(digits), printed.ptr, shortest);
    return shortest;
}

// --- JSON -> record -------------------------------------------------------

std::int32_t readInt(const Json& value, const std::string& path) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr const char* kRange = QZ5_TEXT("Json", "%1: integer outside -2147483648..2147483647");
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(kMax)) {
            reject(path, say("Json", kRange));
        }
        return static_cast<std::int32_t>(number);
    }
    if (value.is_number_integer()) {
        const auto number = value.get<std::int64_t>();
        if (number < kMin || number > kMax) {
            reject(path, say("Json", kRange));
        }
        return static_cast<std::int32_t>(number);
    }
    // Integers too long for 64 bits arrive as floating point.
    if (value.is_number_float()) {
        const double number = value.get<double>();
        if (std::trunc(number) == number && (number < kMin || number > kMax)) {
            reject(path, say("Json", kRange));
        }
    }
    reject(path, say("Json", "%1: expected an integer"));
}

bool readBool(const Json& value, const std::string& path) {
    if (!value.is_boolean()) {
        reject(path, say("Json", "%1: expected true or false"));
    }
    return value.get<bool>();
}

std::string readBytes(const Json& value, const std::string& path) {
    if (!value.is_string()) {
        reject(path, say("Json", "%1: expected a string"));
    }
    auto bytes = utf8ToLatin1(value.get_ref<const std::string&>());
    if (!bytes) {
        reject(path, say("Json", "%1: character outside U+0000..U+00FF"));
    }
    return *bytes;
}

template <std::size_t N>
void readValue(const Json& value, const std::string& path, std::array<char, N>& text) {
    const std::string bytes = readBytes(value, path);
    // A NUL would end the text early and silently drop the rest.
    if (bytes.find('\0') != std::string::npos) {
        reject(path, say("Json", "%1: a text cannot contain U+0000"));
    }
    if (bytes.size() > N - 1) {
        reject(path, say("Json", "%1: longer than %2 characters"), std::to_string(N - 1));
    }
    text.fill('\0');
    std::memcpy(text.data(), bytes.data(), bytes.size());
}

void readValue(const Json& value, const std::string& path, char& symbol) {
    const std::string bytes = readBytes(value, path);
    if (bytes.size() > 1) {
        reject(path, say("Json", "%1: more than one character"));
    }
    symbol = bytes.empty() ? '\0' : bytes.front();
}

void readValue(const Json& value, const std::string& path, std::int32_t& number) {
    number = readInt(value, path);
}

void readValue(const Json& value, const std::string& path, bool& flag) {
    flag = readBool(value, path);
}

void readValue(const Json& value, const std::string& path, float& mhz) {
    if (!value.is_number()) {
        reject(path, say("Json", "%1: expected a number"));
    }
    const double number = value.get<double>();
    if (!(std::fabs(number) <= kFrequencyLimitMHz)) {
        reject(path, say("Json", "%1: outside -10000000..10000000"));
    }
    mhz = static_cast<float>(number);
}

void applyProfile(const Json& form, int profile, TrackerConfig& config) {
    if (!form.is_object()) {
        reject(profilePath(profile, ""), say("Json", "%1: expected an object"));
    }
    // Named variables rather than a structured binding: clang 14 cannot
    // capture a binding in the lambda below.
    for (const auto& item : form.items()) {
        const std::string& key = item.key();
        const Json& value = item.value();
        if (key == kSymbolNameField) {
            continue;
        }
        const std::string path = profilePath(profile, key);
        bool known = false;
        forEachProfileField([&](const FieldInfo& field, auto member) {
            if (field.name == key) {
                known = true;
                readValue(value, path, (config.*member)[profile]);
            }
        });
        if (!known) {
            reject(path, say("Json", "%1: unknown field"));
        }
    }
}

void applyProfiles(const Json& form, TrackerConfig& config) {
    if (!form.is_array() || form.size() > kProfileCount) {
        reject("profiles", say("Json", "%1: expected an array of at most two objects"));
    }
    for (std::size_t profile = 0; profile < form.size(); ++profile) {
        applyProfile(form[profile], static_cast<int>(profile), config);
    }
}

}  // namespace

Json settingToJson(const SettingValue& value) {
    return std::visit(
        [](const auto& setting) -> Json {
            if constexpr (std::is_same_v<std::decay_t<decltype(setting)>, std::string>) {
                return latin1ToUtf8(setting);
            } else {
                return toJsonValue(setting);
            }
        },
        value);
}

Json configToJson(const TrackerConfig& config) {
    Json form;
    forEachSharedField(
        [&](const FieldInfo& field, auto member) { form[field.name] = config.*member; });
    Json profiles = Json::array();
    for (int profile = 0; profile < kProfileCount; ++profile) {
        Json fields = Json::object();
        forEachProfileField([&](const FieldInfo& field, auto member) {
            fields[field.name] = settingToJson(settingValue((config.*member)[profile]));
        });
        profiles.push_back(std::move(fields));
    }
    form["profiles"] = std::move(profiles);
    return form;
}

void applyJson(const Json& form, TrackerConfig& config) {
    if (!form.is_object()) {
        throw JsonFormError(say("Json", "expected a JSON object"));
    }
    TrackerConfig result = config;
    for (const auto& [key, value] : form.items()) {
        if (key == "activeProfile") {
            result.activeProfile = readInt(value, key);
            if (result.activeProfile != 0 && result.activeProfile != 1) {
                reject(key, say("Json", "%1: must be 0 or 1"));
            }
        } else if (key == "calibration") {
            result.calibration = readInt(value, key);
        } else if (key == "calibrationChanged") {
            result.calibrationChanged = readBool(value, key);
        } else if (key == "profiles") {
            applyProfiles(value, result);
        } else {
            reject(key, say("Json", "%1: unknown field"));
        }
    }
    config = result;
}

namespace {

// The library lets the last of two equal keys win without a word; a record
// that names a field twice is ambiguous, so it is refused, naming the object
// by the path a field's error would give it.
class RepeatedKeys {
  public:
    void operator()(Json::parse_event_t event, const Json& parsed) {
        using Event = Json::parse_event_t;
        switch (event) {
            case Event::object_start:
            case Event::array_start:
                startElement();
                open_.push_back({.isArray = event == Event::array_start,
                                 .elements = 0,
                                 .lastKey = {},
                                 .keys = {}});
                break;
            case Event::object_end:
            case Event::array_end:
                open_.pop_back();
                break;
            case Event::key:
                if (!open_.back().keys.insert(parsed.get<std::string>()).second) {
                    throw JsonFormError(
                        say("Json", "\"%1\" named twice in %2")
                            .with(printableText(parsed.get<std::string>()), pathOfInnermost()));
                }
                open_.back().lastKey = parsed.get<std::string>();
                break;
            case Event::value:
                startElement();
                break;
        }
    }

  private:
    struct Open {
        bool isArray = false;
        std::size_t elements = 0;  // an array's, started so far
        std::string lastKey;       // an object's
        std::set<std::string> keys;
    };

    void startElement() {
        if (!open_.empty() && open_.back().isArray) {
            ++open_.back().elements;
        }
    }

    Text pathOfInnermost() const {
        std::string path;
        for (std::size_t i = 0; i + 1 < open_.size(); ++i) {
            // Appended piece by piece: GCC 12 misreads a temporary's
            // "." + key here as an overlapping copy (-Wrestrict).
            if (open_[i].isArray) {
                path += '[';
                path += std::to_string(open_[i].elements - 1);
                path += ']';
            } else {
                path += path.empty() ? "" : ".";
                path += open_[i].lastKey;
            }
        }
        return path.empty() ? say("Json", "the record") : Text(printableText(path));
    }

    std::vector<Open> open_;
};

}  // namespace

Json parseJson(std::string_view text) {
    // Not only syntax: a number too large for a double (1e400) is the
    // library's out_of_range.
    RepeatedKeys repeated;
    try {
        return Json::parse(text, [&repeated](int, Json::parse_event_t event, Json& parsed) {
            repeated(event, parsed);
            return true;
        });
    } catch (const Json::exception& error) {
        throw JsonFormError(libraryReason(error));
    }
}

}  // namespace qz5
