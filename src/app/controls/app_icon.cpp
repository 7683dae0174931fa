// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/app_icon.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace qz5 {

namespace {

// The pixels the build drew at `size` (icon_painter.cpp): no decoder, and no
// search for image format plugins, before the window shows.
QPixmap drawnIcon(int size) {
    const QByteArray pixels =
        QResource(QStringLiteral(":/qz5/app_icon_%1.rgba").arg(size)).uncompressedData();
    if (pixels.size() != qsizetype{4} * size * size) {
        return {};
    }
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                       qsizetype{4} * size, QImage::Format_RGBA8888);
    // fromImage copies: the pixels die with this call.
    return QPixmap::fromImage(image);
}

}  // namespace

QIcon applicationIcon() {
    QIcon icon;
    icon.addPixmap(drawnIcon(32));
    icon.addPixmap(drawnIcon(16));
    return icon;
}

}  // namespace qz5
