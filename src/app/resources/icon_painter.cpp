// Draws the application icon at one size and writes it as a PNG. Run by the
// build, so the icon's source is this drawing rather than a binary file.

#include <cstdio>
#include <cstdlib>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace {

// A location pin on a rounded tile, with radio waves above it at sizes where
// they stay legible.
QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
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
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.png\n", argv[0]);
        return EXIT_FAILURE;
    }
    const int size = std::atoi(argv[1]);
    if (size < 8 || size > 256) {
        std::fprintf(stderr, "%s: size must be 8 to 256 pixels\n", argv[0]);
        return EXIT_FAILURE;
    }
    if (!paintIcon(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
