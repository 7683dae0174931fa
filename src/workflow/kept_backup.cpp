// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/kept_backup.h"

#include "config/tracker_config.h"
#include "workflow/tracker_workflow.h"

namespace qz5 {

namespace {

// The read's own closing verdict adds nothing to the reason it stands on.
constexpr const char* kReadVerdict = "Read Failed";

}  // namespace

Text BackupRead::why() const {
    if (read) {
        return whyNotKept;
    }
    if (read.failure()->kind == FailureKind::ReadsDiffer) {
        return say("Workflow", "two reads of them did not agree");
    }
    Text reasons;
    for (const Message& message : read.messages()) {
        if (message.text != kReadVerdict) {
            reasons = reasons.empty() ? message.text
                                      : say("Workflow", "%1; %2", "one reason after another")
                                            .with(std::move(reasons), message.text);
        }
    }
    return reasons.empty() ? say("Workflow", "the tracker did not send them whole") : reasons;
}

Text BackupRead::detail() const {
    Text lines;
    for (const Message& message : read.messages()) {
        if (!message.detail.empty()) {
            lines = lines.empty() ? message.detail
                                  : say("Workflow", "%1\n%2", "one reason a line")
                                        .with(std::move(lines), message.detail);
        }
    }
    return lines;
}

BackupRead readBackup(TrackerWorkflow& tracker) {
    TrackerConfig current;
    BackupRead backup{.read = tracker.readImage(current, "backup"),
                      .answered = tracker.answered(),
                      .notKept = {},
                      .whyNotKept = {},
                      .number = {}};
    if (backup.read) {
        backup.whyNotKept = tracker.whyNotKept();
        backup.notKept = backup.whyNotKept.english();
        if (backup.notKept.empty() && tracker.kept()) {
            backup.number = tracker.kept()->number;
        }
    }
    return backup;
}

}  // namespace qz5
