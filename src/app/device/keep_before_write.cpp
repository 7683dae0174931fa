// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/keep_before_write.h"

#include <string>

#include "app/device/window_advice.h"
#include "common/message_box.h"
#include "workflow/kept_backup.h"
#include "workflow/tracker_workflow.h"

namespace qz5 {

Keeping keepBeforeWrite(TrackerWorkflow& tracker) {
    const BackupRead backup = readBackup(tracker);
    if (backup.kept()) {
        showMessages(backup.read.messages());
        return {.verdict = Keeping::Verdict::Kept, .image = *backup.read, .number = backup.number};
    }
    Keeping keeping;
    keeping.verdict = Keeping::Verdict::Stop;
    if (!backup.answered) {
        showMessages(advisedMessages(backup.read, kWindowAdvice));
        return keeping;
    }
    // An owner whose tracker holds settings that do not read back can still write.
    const Failure* failure = backup.read.failure();
    const Message question{
        .text = say("Write",
                    "The tracker's settings could not be kept: %1. Write without "
                    "keeping them?")
                    .with(backup.reason()),
        .caption = say("Workflow", kWriteCaption),
        .detail = backup.detail(),
        .hint = failure != nullptr ? advice(failure->kind, kWindowAdvice) : Text()};
    if (showMessage(question, MessageButtons::OkCancel) == MessageAnswer::Ok) {
        keeping.verdict = Keeping::Verdict::WriteWithout;
    }
    return keeping;
}

}  // namespace qz5
