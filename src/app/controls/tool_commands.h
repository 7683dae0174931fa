// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "app/controls/control_ids.h"
#include "common/text.h"

namespace qz5 {

// A command beyond the tracker's own settings. Each has an item on the window
// menu and a button in the All settings view's Tools group, in table order;
// in the Basic view its button is hidden, as the tone buttons are, so the
// command has a control in every view. The window connects the button to its
// handler as it does every button, and the menu item clicks the button.
struct ToolCommand {
    int id;
    // The menu item's text; '&' marks its Alt letter.
    const char* menuText;
};

inline constexpr std::array kToolCommands{
    ToolCommand{ids::kFindTracker, QZ5_TEXT("Window", "&Find Tracker")},
    ToolCommand{ids::kHistory, QZ5_TEXT("Window", "&History...")},
    ToolCommand{ids::kCompareWithTracker, QZ5_TEXT("Window", "Co&mpare with Tracker...")},
    ToolCommand{ids::kChooseSymbol, QZ5_TEXT("Window", "Choose S&ymbol...")},
    ToolCommand{ids::kBeaconTiming, QZ5_TEXT("Window", "&Beacon Timing...")},
};

// A choice of how the commands work, kept in window.conf: a checkable item on
// the window menu after the commands and a check box below the Tools group's
// buttons (hidden in the Basic view). The menu item clicks the check box.
inline constexpr std::array kToolChoices{
    ToolCommand{ids::kKeepBeforeWrite, QZ5_TEXT("Window", "&Keep Settings Before Writing")},
};

// How many buttons the Tools group has room for.
inline constexpr int kToolRoom = 5;
static_assert(kToolCommands.size() <= kToolRoom, "the Tools group needs more room");

// The control's caption: the menu text without its Alt marker.
inline std::string toolCaption(const ToolCommand& tool) {
    std::string caption;
    for (const char* c = tool.menuText; *c != '\0'; ++c) {
        if (*c != '&') {
            caption += *c;
        }
    }
    return caption;
}

}  // namespace qz5
