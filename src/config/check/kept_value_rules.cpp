// SPDX-License-Identifier: GPL-3.0-or-later
// Values the image keeps only in part, found by running the codec itself: the
// check compares the record with what decoding its image gives back.
#include <cmath>
#include <cstdio>
#include <type_traits>
#include <utility>

#include "config/address_codec.h"
#include "config/callsign.h"
#include "config/check/rule_groups.h"
#include "config/image_scaling.h"
#include "config/text_field.h"

namespace qz5::check {
namespace {

constexpr float kFrequencyStepMHz = 0.005f;

// A value as people read it in a message.
std::string shown(std::int32_t value) {
    return std::to_string(value);
}
Text shown(bool value) {
    return value ? say("Check", "on") : say("Check", "off");
}
std::string shown(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(value));
    return text;
}
std::string shown(char value) {
    return shownCharacter(value);
}

// How far a value may come back from the image by rounding alone: the
// delays travel in counts of one byte time, the frequency in 5 kHz steps.
double rounding(const CheckInput& input, PerProfile<std::int32_t> TrackerConfig::*member, int k) {
    const bool slow = input.sent.packet300Baud[k];
    if (member == &TrackerConfig::delay1Ms || member == &TrackerConfig::delay2Ms) {
        return delayFromCount(1, slow) - delayFromCount(0, slow);
    }
    if (member == &TrackerConfig::delay3Ms) {
        return delay3FromCount(1) - delay3FromCount(0);
    }
    return 0;
}
double rounding(const CheckInput&, PerProfile<float> TrackerConfig::*, int) {
    // Half a step, and a float's last digit on top.
    return kFrequencyStepMHz / 2 + 1e-4;
}
template <typename T>
double rounding(const CheckInput&, PerProfile<T> TrackerConfig::*, int) {
    return 0;
}

template <typename T>
bool kept(const T& entered, const T& sent, double tolerance) {
    if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>) {
        return std::fabs(static_cast<double>(entered) - static_cast<double>(sent)) <= tolerance;
    } else {
        return entered == sent;
    }
}

// Units are the same in every language; on and off have none.
Text withUnit(Text value, const char* unit) {
    if (*unit == '\0') {
        return value;
    }
    return value.english() + ' ' + unit;
}

void report(const FieldInfo& field, std::optional<int> profile, Text entered, Text sent,
            FindingList& findings) {
    findings.add(
        Severity::Error, Rule::ValueKeptInPart, field.name, profile,
        say("Check", "Enter a value the tracker can hold: %1 would be sent as %2.")
            .with(withUnit(std::move(entered), field.unit), withUnit(std::move(sent), field.unit)));
}

// The path the image carries, as it reads back, against the path given.
void checkPathKept(const CheckInput& input, int k, FindingList& findings) {
    std::vector<std::string> elements;
    for (const CallsignAddress& address : splitPath(fieldText(input.entered.digiPath[k]))) {
        elements.push_back(addressText(encodeAddress(address)));
    }
    const std::string_view sent = fieldText(input.sent.digiPath[k]);
    if (joinPath(elements) != sent) {
        findings.add(Severity::Error, Rule::PathCut, &TrackerConfig::digiPath, k,
                     say("Check", "Shorten the path: the tracker keeps only \"%1\".")
                         .with(std::string(sent)));
    }
}

}  // namespace

void checkKeptValues(const CheckInput& input, FindingList& findings) {
    const auto compare = [&](const FieldInfo& field, auto member) {
        using Value = std::remove_cvref_t<decltype(input.entered.*member)>;
        if constexpr (std::is_same_v<Value, std::int32_t>) {
            // Of the shared values only the calibration travels.
            if (member == &TrackerConfig::calibration &&
                input.entered.calibration != input.sent.calibration &&
                !findings.hasError(field.name, std::nullopt)) {
                report(field, std::nullopt, shown(input.entered.calibration),
                       shown(input.sent.calibration), findings);
            }
        } else if constexpr (!std::is_same_v<Value, bool>) {
            using Element = typename Value::value_type;
            // Texts have rules of their own that say what is sent instead.
            if constexpr (!std::is_class_v<Element>) {
                for (int k = 0; k < kProfileCount; ++k) {
                    const Element entered = (input.entered.*member)[k];
                    const Element sent = (input.sent.*member)[k];
                    if (!kept(entered, sent, rounding(input, member, k)) &&
                        !findings.hasError(field.name, k)) {
                        report(field, k, shown(entered), shown(sent), findings);
                    }
                }
            }
        }
    };
    forEachSharedField(compare);
    forEachProfileField(compare);
    for (int k = 0; k < kProfileCount; ++k) {
        checkPathKept(input, k, findings);
    }
}

}  // namespace qz5::check
