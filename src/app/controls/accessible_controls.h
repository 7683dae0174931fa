// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace qz5 {

// Makes every combo box and tab bar answer a screen reader with the name the
// window gives it, as other controls do. Qt's own interfaces for these two
// ignore it: a combo box reads out its current item where its name belongs,
// and a tab bar its current tab. Installed once per process, before the first
// interface is asked for; calling it again does nothing.
void installAccessibleControls();

}  // namespace qz5
