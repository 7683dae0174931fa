// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace qz5 {

// The program's icon, in a 32 x 32 and a 16 x 16 image.
QIcon applicationIcon();

}  // namespace qz5
