// qz5-window-shot [--all-settings] OUTPUT.png: draws the demo window as it
// opens, in the Basic or the All settings view, under a plain title bar, for
// the documentation. Meant for the offscreen platform, where no
// window manager draws the frame.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <cstring>

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
    const bool allSettings = argc == 3 && std::strcmp(argv[1], "--all-settings") == 0;
    if (argc != 2 && !allSettings) {
        std::fprintf(stderr, "usage: qz5-window-shot [--all-settings] OUTPUT.png\n");
        return 2;
    }
    const char* output = argv[argc - 1];
    qz5::DemoTracker demo;
    qz5::CConfigDlg window(qz5::PosixSerialPortApi::instance(), demo.ports());
    // Chosen here, never from the user's remembered view.
    window.setView(allSettings ? qz5::WindowView::AllSettings : qz5::WindowView::Basic);
    window.show();
    QApplication::processEvents();
    if (!framed(window).save(QString::fromLocal8Bit(output), "PNG")) {
        std::fprintf(stderr, "qz5-window-shot: cannot write %s\n", output);
        return 1;
    }
    return 0;
}
