// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace qz5 {

// A rectangle or size in dialog units: a quarter of the font's average letter
// width across, an eighth of its height down.
struct DluRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const DluRect&) const = default;
};

enum class ControlKind { Static, Edit, ComboBox, CheckBox, PushButton, GroupBox, TabControl, Icon };

enum class TextAlign { Left, Right, Center };

// The id that marks a control the window never addresses.
inline constexpr int kNoControlId = -1;

struct ControlTemplate {
    int id = kNoControlId;
    ControlKind kind = ControlKind::Static;
    std::string caption{};
    bool shown = true;
    // A combobox height includes its drop-down list; an icon sizes itself.
    DluRect rect{};

    // Styles.
    bool upperCase = false;   // edits: typed letters become capitals
    bool digitsOnly = false;  // edits: only typed digits are accepted
    bool editable = false;    // comboboxes: an edit field rather than a plain list
    bool sorted = false;      // comboboxes: items are kept in text order
    TextAlign align = TextAlign::Left;
    bool verticallyCentred = false;  // statics
    bool defaultButton = false;      // push buttons: Enter clicks it
    std::string toolTip{};
    // Statics: the control this label names, or whose unit it gives.
    int labelFor = kNoControlId;
    int unitFor = kNoControlId;
    // Controls no label names: what a screen reader calls them.
    std::string name{};
    // Statics: the caption is a field's name, shown followed by a colon as
    // the language writes it.
    bool namesField = false;
};

struct DialogFont {
    std::string_view family{};
    int pointSize = 0;
};

struct DialogTemplate {
    int resourceId = 0;
    std::string caption{};
    int width = 0;  // client size in dialog units
    int height = 0;
    DialogFont font{};
    // In template order, which is also the tab order and, reversed, the order
    // in which overlapping controls are drawn.
    std::vector<ControlTemplate> controls{};
    // Where a line that the window opens later goes; when it opens, every
    // control at or below its top moves down by its height and the dialog
    // grows by it. Empty when the dialog has no such line.
    DluRect addedLine{};
    // The items each list starts with, by control id, in list order: words
    // of the "Window" context, or texts with values of their own.
    std::map<int, std::vector<Text>> initialItems{};
};

}  // namespace qz5
