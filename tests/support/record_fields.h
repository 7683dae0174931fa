// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "config/record_fields.h"
#include "config/tracker_config.h"

namespace qz5::testing {

// Calls visit(field, member pointer) for every field of the record, shared
// ones first, from the one field table.
template <typename Visit>
void forEachField(Visit visit) {
    forEachSharedField(visit);
    forEachProfileField(visit);
}

// Frequencies compare by their bits, so that NaN equals itself.
template <typename T>
bool sameValue(const T& x, const T& y) {
    if constexpr (std::is_same_v<T, PerProfile<float>> || std::is_same_v<T, float>) {
        return std::memcmp(&x, &y, sizeof x) == 0;
    } else {
        return x == y;
    }
}

// Names of the record's fields that differ, shared ones first.
inline std::vector<std::string> differingFields(const TrackerConfig& a, const TrackerConfig& b) {
    std::vector<std::string> names;
    forEachField([&](const FieldInfo& field, auto member) {
        if (!sameValue(a.*member, b.*member)) {
            names.push_back(field.name);
        }
    });
    return names;
}

template <typename T>
constexpr bool kIsPerProfile = false;
template <typename T>
constexpr bool kIsPerProfile<PerProfile<T>> = true;

// Names of the per-profile fields whose Primary and Secondary values differ.
inline std::vector<std::string> fieldsDifferingBetweenProfiles(const TrackerConfig& config) {
    std::vector<std::string> names;
    forEachField([&](const FieldInfo& field, auto member) {
        const auto& value = config.*member;
        if constexpr (kIsPerProfile<std::decay_t<decltype(value)>>) {
            if (!sameValue(value[0], value[1])) {
                names.push_back(field.name);
            }
        }
    });
    return names;
}

}  // namespace qz5::testing
