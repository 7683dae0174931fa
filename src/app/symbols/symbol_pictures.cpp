// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/symbols/symbol_pictures.h"

#include <QPainter>

namespace qz5 {
namespace {

void paintLetters(QImage& image, const SymbolEntry& entry) {
    for (int y = 0; y < kSymbolSide; ++y) {
        for (int x = 0; x < kSymbolSide; ++x) {
            if (const std::optional<unsigned> rgb = symbolPixelColour(
                    entry.pixels[static_cast<std::size_t>(y * kSymbolSide + x)])) {
                image.setPixel(x, y, 0xFF000000u | *rgb);
            }
        }
    }
}

}  // namespace

QImage symbolImage(const SymbolList& list, char table, char code) {
    const SymbolEntry* entry = list.find(table, code);
    if (entry == nullptr) {
        return {};
    }
    QImage image(kSymbolSide, kSymbolSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    paintLetters(image, *entry);
    if (isOverlayCharacter(table)) {
        if (const SymbolEntry* overlay = list.overlay(table)) {
            paintLetters(image, *overlay);
        }
    }
    return image;
}

QIcon symbolIcon(const SymbolList& list, char table, char code) {
    const QImage image = symbolImage(list, table, code);
    if (image.isNull()) {
        return {};
    }
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(image));
    // Pixels stay square blocks when the icon is drawn larger.
    icon.addPixmap(QPixmap::fromImage(image.scaled(2 * kSymbolSide, 2 * kSymbolSide,
                                                   Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    return icon;
}

}  // namespace qz5
