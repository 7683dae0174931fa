// SPDX-License-Identifier: GPL-3.0-or-later
// qz5-window-shot [--all-settings | --writing | --high-contrast | --history |
// --symbols | --timing] OUTPUT.png:
// draws the demo window as it opens, in the Basic or the All settings view,
// under a plain title bar, for the documentation; with --writing, the window
// half way through Write Configuration, its progress window on top; with
// --high-contrast, both views one above the other under a high-contrast
// palette such as a desktop's accessibility theme gives; with --history, the
// History dialog after two reads of different settings, the older read
// chosen; with --symbols, the symbol picker on the car; with --timing, the
// beacon timing of the default profile with SmartBeaconing on. Meant for the
// offscreen platform, where no window manager draws the frame.
#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/config_dlg.h"
#include "app/controls/control_ids.h"
#include "app/demo_tracker.h"
#include "app/device/progress_window.h"
#include "app/kept/history_dialog.h"
#include "app/symbols/symbol_picker.h"
#include "app/timing/timing_dialog.h"
#include "app/window_language.h"
#include "common/message_box.h"
#include "config/tracker_config.h"
#include "link/serial_port_api_posix.h"

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

qz5::ProgressWindow* progressWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* progress = dynamic_cast<qz5::ProgressWindow*>(widget)) {
            return progress;
        }
    }
    return nullptr;
}

// Waits inside the write until it has sent half of its bytes, then draws the
// window with the progress window centred on it.
QPixmap writingShot(qz5::CConfigDlg& window) {
    // The boxes at the end of the write are not part of the picture: no
    // presenter is installed, so they are answered unseen.
    const QRegularExpression halfWay(QStringLiteral("^Writing .*: (\\d+) of (\\d+) bytes$"));
    QPixmap picture;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        qz5::ProgressWindow* progress = progressWindow();
        if (!picture.isNull() || !progress || !progress->isVisible()) {
            return;
        }
        const QRegularExpressionMatch step = halfWay.match(progress->phase());
        if (!step.hasMatch() || step.captured(1).toInt() * 2 < step.captured(2).toInt()) {
            return;
        }
        picture = framed(window);
        const QPixmap top = framed(*progress);
        QPainter painter(&picture);
        painter.drawPixmap((picture.width() - top.width()) / 2,
                           (picture.height() - top.height()) / 2, top);
    });
    poll.start();
    window.commands().writeConfiguration();
    return picture;
}

// Two reads of different settings, as an owner would have them, and the
// History dialog with the older read chosen.
QPixmap historyShot(qz5::CConfigDlg& window, qz5::PtyTracker& tracker) {
    const auto keep = [&](const char* callsign, std::int32_t rate) {
        qz5::TrackerConfig settings;
        settings.setCallsign(callsign);
        settings.transmitRate[0] = rate;
        qz5::ConfigImage image{};
        static_cast<void>(settings.encodeImage(image));  // a whole image always encodes
        tracker.setMemory(image);
        window.commands().readConfiguration();
    };
    keep("MYCALL-9", 300);
    keep("MYCALL-7", 600);
    QPixmap picture;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* history = dynamic_cast<qz5::HistoryDialog*>(widget);
            if (picture.isNull() && history && history->isVisible()) {
                history->imageList()->setCurrentRow(1);
                QApplication::processEvents();
                picture = framed(*history);
                history->reject();
            }
        }
    });
    poll.start();
    window.runCommand(qz5::ids::kHistory);
    return picture;
}

// Black on white with a deep selection colour, as the high-contrast themes of
// desktops have it.
QPalette highContrast() {
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    QPalette palette(black, white);
    palette.setColor(QPalette::Base, white);
    palette.setColor(QPalette::Text, black);
    palette.setColor(QPalette::Button, white);
    palette.setColor(QPalette::ButtonText, black);
    palette.setColor(QPalette::Highlight, QColor(0x37, 0x00, 0x6e));
    palette.setColor(QPalette::HighlightedText, white);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(0x60, 0x00, 0x00));
    }
    return palette;
}

// Both views, Basic above All settings.
QPixmap bothViews(qz5::CConfigDlg& window) {
    const QPixmap basic = framed(window);
    window.setView(qz5::WindowView::AllSettings);
    QApplication::processEvents();
    const QPixmap all = framed(window);
    constexpr int kGap = 12;
    QPixmap picture(std::max(basic.width(), all.width()), basic.height() + kGap + all.height());
    picture.fill(window.palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, basic);
    painter.drawPixmap(0, basic.height() + kGap, all);
    return picture;
}

QPixmap pickerShot() {
    qz5::SymbolPicker picker(qz5::systemSymbols(), {'/', '>'}, nullptr);
    picker.show();
    QApplication::processEvents();
    return framed(picker);
}

QPixmap timingShot() {
    qz5::TrackerConfig config;
    config.smartBeaconing[0] = true;
    const auto apply = [&config](const qz5::SmartBeaconingPreset& preset) {
        qz5::applySmartBeaconingPreset(preset, config, 0);
        return qz5::beaconTiming(config, 0);
    };
    qz5::TimingDialog dialog(qz5::beaconTiming(config, 0), apply, nullptr);
    dialog.show();
    QApplication::processEvents();
    return framed(dialog);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The window in the language of the environment, as the program speaks it.
    qz5::speakChosenLanguage();
    const bool allSettings = argc == 3 && std::strcmp(argv[1], "--all-settings") == 0;
    const bool writing = argc == 3 && std::strcmp(argv[1], "--writing") == 0;
    const bool contrast = argc == 3 && std::strcmp(argv[1], "--high-contrast") == 0;
    const bool history = argc == 3 && std::strcmp(argv[1], "--history") == 0;
    const bool symbols = argc == 3 && std::strcmp(argv[1], "--symbols") == 0;
    const bool timing = argc == 3 && std::strcmp(argv[1], "--timing") == 0;
    if (argc != 2 && !allSettings && !writing && !contrast && !history && !symbols && !timing) {
        std::fprintf(stderr,
                     "usage: qz5-window-shot [--all-settings | --writing | --high-contrast | "
                     "--history | --symbols | --timing] OUTPUT.png\n");
        return 2;
    }
    if (contrast) {
        QApplication::setPalette(highContrast());
    }
    const char* output = argv[argc - 1];
    qz5::DemoTracker demo;
    qz5::CConfigDlg window(qz5::PosixSerialPortApi::instance(), demo.ports());
    // Chosen here, never from the user's remembered view.
    window.setView(allSettings ? qz5::WindowView::AllSettings : qz5::WindowView::Basic);
    window.show();
    QApplication::processEvents();
    const QPixmap picture = writing    ? writingShot(window)
                            : contrast ? bothViews(window)
                            : history  ? historyShot(window, demo.tracker())
                            : symbols  ? pickerShot()
                            : timing   ? timingShot()
                                       : framed(window);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(output), "PNG")) {
        std::fprintf(stderr, "qz5-window-shot: cannot write %s\n", output);
        return 1;
    }
    return 0;
}
