// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/app_icon.h"

namespace qz5 {

QIcon applicationIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/qz5/app_icon_32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/qz5/app_icon_16.png"), QSize(16, 16));
    return icon;
}

}  // namespace qz5
