#pragma once

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "config/record_fields.h"
#include "config/tracker_config.h"

namespace qz5::testing {

// Names of the record's fields that differ, shared ones first; frequencies
// compare by their bits so that NaN equals itself.
inline std::vector<std::string> differingFields(const TrackerConfig& a, const TrackerConfig& b) {
    std::vector<std::string> names;
    auto check = [&](const FieldInfo& field, auto member) {
        const auto& x = a.*member;
        const auto& y = b.*member;
        bool same = false;
        if constexpr (std::is_same_v<std::decay_t<decltype(x)>, PerProfile<float>>) {
            same = std::memcmp(x.data(), y.data(), sizeof x) == 0;
        } else {
            same = x == y;
        }
        if (!same) {
            names.push_back(field.name);
        }
    };
    forEachSharedField(check);
    forEachProfileField(check);
    return names;
}

}  // namespace qz5::testing
