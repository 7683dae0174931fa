// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/kept_backup.h"

#include "config/tracker_config.h"
#include "workflow/tracker_workflow.h"

namespace qz5 {

namespace {

// The read's own closing verdict adds nothing to the reason it stands on.
constexpr const char* kReadVerdict = "Read Failed";

}  // namespace

std::string BackupRead::reason() const {
    if (read) {
        return notKept;
    }
    if (read.failure()->kind == FailureKind::ReadsDiffer) {
        return "two reads of them did not agree";
    }
    std::string reasons;
    for (const Message& message : read.messages()) {
        if (message.text != kReadVerdict) {
            reasons += (reasons.empty() ? "" : "; ") + message.text;
        }
    }
    return reasons.empty() ? "the tracker did not send them whole" : reasons;
}

std::string BackupRead::detail() const {
    std::string lines;
    for (const Message& message : read.messages()) {
        if (!message.detail.empty()) {
            lines += (lines.empty() ? "" : "\n") + message.detail;
        }
    }
    return lines;
}

BackupRead readBackup(TrackerWorkflow& tracker) {
    TrackerConfig current;
    BackupRead backup{.read = tracker.readImage(current, "backup"),
                      .answered = tracker.answered(),
                      .notKept = {},
                      .number = {}};
    if (backup.read) {
        backup.notKept = tracker.notKept();
        if (backup.notKept.empty() && tracker.kept()) {
            backup.number = tracker.kept()->number;
        }
    }
    return backup;
}

}  // namespace qz5
