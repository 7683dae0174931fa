// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/exit_status.h"

#include <ostream>

namespace qz5 {

void reportToolError(const Text& text) {
    showMessage(Message{.text = text, .caption = "qz5cfg"});
}

ExitStatus finishOutput(std::ostream& out) {
    out << std::flush;
    if (!out) {
        reportToolError(say("Cli", "cannot write the output"));
        return ExitStatus::Failed;
    }
    return ExitStatus::Ok;
}

}  // namespace qz5
