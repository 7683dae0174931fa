// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form/edit_snapshot.h"

#include <bit>
#include <cstdint>
#include <type_traits>

#include "config/record_fields.h"

namespace qz5 {

namespace {

// By the bits, so that a frequency that is not a number equals itself.
template <typename T>
bool sameValue(const T& a, const T& b) {
    if constexpr (std::is_same_v<T, float>) {
        return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
    } else {
        return a == b;
    }
}

bool sameForm(const TrackerConfig& a, const TrackerConfig& b, int profile) {
    bool same = a.calibration == b.calibration;
    forEachProfileField([&](const FieldInfo&, auto member) {
        same = same && sameValue((a.*member)[profile], (b.*member)[profile]);
    });
    return same;
}

}  // namespace

void EditSnapshot::mark(int profile) {
    changed_ = false;
    baseline_ = {};
    left_ = {};
    baseline_[profile & 1] = readForm_();
}

void EditSnapshot::leaving(int profile) {
    left_[profile & 1] = readForm_();
}

void EditSnapshot::shown(int profile) {
    if (!baseline_[profile & 1]) {
        baseline_[profile & 1] = readForm_();
    }
}

bool EditSnapshot::edited(int shownProfile) const {
    if (changed_) {
        return true;
    }
    const int shown = shownProfile & 1;
    const int other = 1 - shown;
    if (baseline_[shown] && !sameForm(readForm_(), *baseline_[shown], shown)) {
        return true;
    }
    return left_[other] && baseline_[other] && !sameForm(*left_[other], *baseline_[other], other);
}

}  // namespace qz5
