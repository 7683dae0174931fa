// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "config/tracker_config.h"

namespace qz5 {

// Tells whether the user changed the form since the last start, read, write,
// load or save. The form is judged as storing reads it, and each state is
// compared with the form's own earlier state, never with the record: showing
// and storing cut long texts and replace values out of range, and such a
// round trip is no edit. The hidden profile is judged by the state the user
// left it in.
class EditSnapshot {
  public:
    // The record as storing the form would leave it; the record itself is not
    // changed.
    using FormReader = std::function<TrackerConfig()>;

    explicit EditSnapshot(FormReader readForm) : readForm_(std::move(readForm)) {}

    // The form, showing `profile`, now holds what a tracker or a file holds.
    void mark(int profile);
    // The form holds settings that neither the tracker nor a file holds (an
    // image loaded from the history): edited until the next mark, whatever
    // the user does.
    void markChanged() { changed_ = true; }
    // Before a tab change stores the profile that was shown.
    void leaving(int profile);
    // After a tab change shows `profile`.
    void shown(int profile);
    bool edited(int shownProfile) const;

  private:
    FormReader readForm_;
    // A profile not shown since the mark has no baseline: it cannot have been
    // edited.
    PerProfile<std::optional<TrackerConfig>> baseline_;
    PerProfile<std::optional<TrackerConfig>> left_;
    bool changed_ = false;
};

}  // namespace qz5
