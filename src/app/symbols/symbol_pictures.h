// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

#include "config/symbols/symbol_list.h"

namespace qz5 {

// The list's picture as a map draws it; for an overlay character as table,
// the alternate symbol with the character drawn over it. A null image when
// the list has no picture for it.
QImage symbolImage(const SymbolList& list, char table, char code);

// The same at twice the size, sharp, for a list or a field.
QIcon symbolIcon(const SymbolList& list, char table, char code);

}  // namespace qz5
