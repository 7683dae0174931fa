// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace qz5 {

// Shows the busy pointer while a device command blocks the window.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace qz5
