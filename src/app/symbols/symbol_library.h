// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QThread>
#include <functional>
#include <vector>

#include "config/symbols/system_symbol_list.h"

namespace qz5 {

// The system's symbol list for the window: read on a thread of its own the
// first time it is wanted, so the GUI thread never waits for the disk.
class SymbolLibrary {
  public:
    SymbolLibrary() = default;
    ~SymbolLibrary();
    SymbolLibrary(const SymbolLibrary&) = delete;
    SymbolLibrary& operator=(const SymbolLibrary&) = delete;

    // Null until the file has been read: starts reading it on the first call.
    const SymbolSource* ready();
    // Called on the GUI thread once the file has been read.
    void whenReady(std::function<void()> callback);

  private:
    QThread* reader_ = nullptr;
    bool read_ = false;
    std::vector<std::function<void()>> waiting_;
};

}  // namespace qz5
