// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the application icon at one size and writes it as a PNG or as bare
// pixels, as a scalable SVG, or at every size Windows asks for as one .ico. Run by the
// build, so the icon's one source is this drawing rather than binary files
// that could drift apart.

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QString>
#include <QSvgGenerator>

namespace {

// The scalable icon is drawn on this grid, large enough for every detail.
constexpr int kScalableSize = 256;
// What Explorer, the taskbar and the title bar pick from, at 100 % to 200 %.
constexpr std::array kIcoSizes{16, 24, 32, 48, 64, 128, 256};

// A location pin on a rounded tile, with radio waves above it at sizes where
// they stay legible.
// False when the device cannot be painted on, such as an SVG file that cannot
// be created.
[[nodiscard]] bool paintIcon(QPaintDevice& device, int size) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 32.0;

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x5f, 0x8b));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0), 5 * unit, 5 * unit);

    QPainterPath pin;
    pin.moveTo(16 * unit, 29 * unit);
    pin.arcTo(QRectF(8 * unit, 8 * unit, 16 * unit, 16 * unit), 210, -240);
    pin.closeSubpath();
    painter.setBrush(QColor(0xff, 0xc8, 0x3d));
    painter.drawPath(pin);
    painter.setBrush(QColor(0x1f, 0x5f, 0x8b));
    painter.drawEllipse(QPointF(16 * unit, 16 * unit), 3 * unit, 3 * unit);

    if (size >= 32) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 1.6 * unit, Qt::SolidLine, Qt::RoundCap));
        for (const double radius : {4.0, 7.0}) {
            const QRectF box(16 * unit - radius * unit, 6 * unit - radius * unit, 2 * radius * unit,
                             2 * radius * unit);
            painter.drawArc(box, 45 * 16, 90 * 16);
        }
    }
    return painter.end();
}

QImage drawn(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return paintIcon(image, size) ? image : QImage();
}

[[nodiscard]] bool writePng(int size, const QString& path) {
    const QImage image = drawn(size);
    return !image.isNull() && image.save(path, "PNG");
}

// Row after row of R, G, B, A bytes, alpha not premultiplied: what the window
// takes as it is, without an image decoder (app_icon.cpp).
[[nodiscard]] bool writeRgba(int size, const QString& path) {
    const QImage image = drawn(size).convertToFormat(QImage::Format_RGBA8888);
    if (image.isNull()) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const char*>(image.constScanLine(y));
        if (file.write(row, qint64{4} * size) != qint64{4} * size) {
            return false;
        }
    }
    return file.commit();
}

void appendLittleEndian(QByteArray& bytes, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// Each image is kept as a PNG, which Windows reads in icons since Vista and
// needs for 256 pixels.
[[nodiscard]] bool writeIco(const QString& path) {
    constexpr int kHeaderSize = 6;
    constexpr int kEntrySize = 16;
    QByteArray header;
    appendLittleEndian(header, 0, 2);  // reserved
    appendLittleEndian(header, 1, 2);  // an icon, not a cursor
    appendLittleEndian(header, kIcoSizes.size(), 2);
    QByteArray images;
    std::uint32_t offset = kHeaderSize + kEntrySize * kIcoSizes.size();
    for (const int size : kIcoSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !drawn(size).save(&buffer, "PNG")) {
            return false;
        }
        header.append(static_cast<char>(size % 256));  // 0 stands for 256
        header.append(static_cast<char>(size % 256));
        appendLittleEndian(header, 0, 2);   // no palette, reserved
        appendLittleEndian(header, 1, 2);   // planes
        appendLittleEndian(header, 32, 2);  // bits per pixel
        appendLittleEndian(header, static_cast<std::uint32_t>(png.size()), 4);
        appendLittleEndian(header, offset, 4);
        offset += static_cast<std::uint32_t>(png.size());
        images += png;
    }
    const QByteArray icon = header + images;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(icon) == icon.size() && file.commit();
}

[[nodiscard]] bool writeSvg(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kScalableSize, kScalableSize));
    svg.setViewBox(QRect(0, 0, kScalableSize, kScalableSize));
    svg.setTitle(QStringLiteral("QZ5 Config"));
    return paintIcon(svg, kScalableSize);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: %s SIZE OUTPUT.png | %s SIZE OUTPUT.rgba | %s scalable OUTPUT.svg | "
                     "%s ico OUTPUT.ico\n",
                     argv[0], argv[0], argv[0], argv[0]);
        return EXIT_FAILURE;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    bool written = false;
    if (std::strcmp(argv[1], "scalable") == 0) {
        written = writeSvg(output);
    } else if (std::strcmp(argv[1], "ico") == 0) {
        written = writeIco(output);
    } else {
        const int size = std::atoi(argv[1]);
        if (size < 8 || size > 256) {
            std::fprintf(stderr, "%s: size must be 8 to 256 pixels\n", argv[0]);
            return EXIT_FAILURE;
        }
        written = output.endsWith(QStringLiteral(".rgba")) ? writeRgba(size, output)
                                                           : writePng(size, output);
    }
    if (!written) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
