// qz5-window-shot OUTPUT.png: draws the demo window as it opens, under a plain
// title bar, for the documentation. Meant for the offscreen platform, where no
// window manager draws the frame.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <cstdio>

#include "app/config_dlg.h"
#include "app/demo_tracker.h"
#include "link/posix_serial_port_api.h"

namespace {

QPixmap framed(QWidget& window) {
    const QPixmap content = window.grab();
    const int titleHeight = window.fontMetrics().height() * 2;
    constexpr int kBorder = 1;
    QPixmap picture(content.width() + 2 * kBorder, content.height() + titleHeight + kBorder);
    picture.fill(QColor(0x3c, 0x3f, 0x41));
    QPainter painter(&picture);
    painter.drawPixmap(kBorder, titleHeight, content);
    QFont titleFont = window.font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, picture.width(), titleHeight), Qt::AlignCenter,
                     window.windowTitle());
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qz5-window-shot OUTPUT.png\n");
        return 2;
    }
    qz5::DemoTracker demo;
    qz5::CConfigDlg window(qz5::PosixSerialPortApi::instance(), demo.ports());
    window.show();
    QApplication::processEvents();
    if (!framed(window).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "qz5-window-shot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
