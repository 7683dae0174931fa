#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QString>

namespace qz5 {

class ControlAccess;

// Tells whether the user changed the form since the last start, read, write,
// load or save. It compares what the controls show, not the record: showing
// and storing a profile may cut or replace values, and that is no edit.
// The hidden profile is judged by the state the user left it in.
class EditSnapshot {
  public:
    explicit EditSnapshot(const ControlAccess& controls) : controls_(controls) {}

    // The form, showing `profile`, now matches what was read, written,
    // loaded or saved.
    void mark(int profile);
    // Before a tab change stores the profile that was shown.
    void leaving(int profile);
    // After a tab change shows `profile`.
    void shown(int profile);
    bool edited(int shownProfile) const;

  private:
    using State = std::vector<QString>;
    State capture() const;

    const ControlAccess& controls_;
    // A profile not yet shown since the mark has no baseline: it cannot have
    // been edited.
    std::array<std::optional<State>, 2> baseline_;
    std::array<std::optional<State>, 2> left_;
};

}  // namespace qz5
