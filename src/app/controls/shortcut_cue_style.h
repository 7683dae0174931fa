// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QStyle;

namespace qz5 {

// The style of labels that carry a mnemonic: it underlines their letter only
// while Alt is held, as Windows does, so the window looks as drawn until a
// keyboard user asks which letter to press. One for the process, made on first
// use over the application's style.
QStyle* shortcutCueStyle();

}  // namespace qz5
