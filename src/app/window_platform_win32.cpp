// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_platform_win32.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QStringList>
#include <QStyleOptionButton>
#include <QWidget>
#include <cstdio>

#include "app/window_platform.h"
#include "common/path_text.h"
#include "common/text.h"
#include "config/data_file_path.h"

namespace qz5 {

BOOL(WINAPI* attachConsoleCall)(DWORD processId) = AttachConsole;

namespace {

// The system's style clips a button's caption 4 pixels inside the button,
// which cuts letters off "Read Configuration" and "Write Configuration"; this
// one keeps only the frame clear, as Fusion does on Linux.
class CaptionFillingStyle : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element != CE_PushButtonLabel || button == nullptr || widget == nullptr) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const int frame = pixelMetric(PM_DefaultFrameWidth, option, widget);
        QStyleOptionButton wide(*button);
        wide.rect.setLeft(frame);
        wide.rect.setRight(widget->width() - 1 - frame);
        QProxyStyle::drawControl(element, &wide, painter, widget);
    }
};

bool hasHandle(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

// Qt has read the command line in UTF-16 and taken out what it used.
std::vector<std::string> programArguments(int, char**) {
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        arguments.push_back(all[i].toStdString());
    }
    return arguments;
}

Text lendFont(const std::filesystem::path& file) {
    if (QFontDatabase::addApplicationFont(QString::fromStdWString(file.wstring())) != -1) {
        return {};
    }
    return say("Window",
               "The window's font could not be loaded from %1, so its captions are drawn in "
               "another face and some may be cut off. Installing the program again puts the "
               "file back.")
        .with(textFromPath(file));
}

// Windows has no DejaVu Sans: without the file the zip and the installer put
// beside the program, Qt would draw in the first face it lists, and captions
// would no longer fit their controls.
Text provideWindowFont() {
    return lendFont(
        installedDataFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", L"DejaVuSans.ttf"));
}

void letCaptionsFillTheirButtons() {
    QApplication::setStyle(new CaptionFillingStyle);
}

// The process heap is one heap already.
void shareOneHeap() {}

void attachParentConsole() {
    // Streams the caller redirected (to a file, a pipe) stay where they go.
    const bool outputMissing = !hasHandle(STD_OUTPUT_HANDLE);
    const bool errorsMissing = !hasHandle(STD_ERROR_HANDLE);
    if (!attachConsoleCall(ATTACH_PARENT_PROCESS)) {
        return;  // started from Explorer or a shortcut: nobody to print to
    }
    if (outputMissing) {
        std::freopen("CONOUT$", "w", stdout);
    }
    if (errorsMissing) {
        std::freopen("CONOUT$", "w", stderr);
    }
}

const char* portListHelp() {
    return QZ5_TEXT(
        "Help",
        "The port list offers those of COM1 to COM255 that Windows knows and that can\n"
        "be opened now, under the names Device Manager shows (Ports (COM & LPT)); hover\n"
        "over a name to see the adapter. A port that another program has open is not\n"
        "listed. The list follows adapters plugged in and removed while it is open.\n"
        "Find Tracker on the window menu (right click, Shift+F10) asks each free port.\n");
}

const char* windowFontHelp() {
    return QZ5_TEXT("Help",
                    "The window draws its captions in DejaVuSans.ttf from the program's folder;\n"
                    "when that file is missing or broken it says so once and uses another face,\n"
                    "in which some captions may be cut off.\n");
}

bool extendSystemMenu(QWidget& window, const QString& text, int commandId) {
    const HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    return menu != nullptr && AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) &&
           AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(commandId),
                       reinterpret_cast<LPCWSTR>(text.utf16()));
}

std::optional<int> systemMenuCommand(const QByteArray& eventType, const void* message) {
    if (eventType != "windows_generic_MSG") {
        return std::nullopt;
    }
    const MSG& msg = *static_cast<const MSG*>(message);
    if (msg.message != WM_SYSCOMMAND) {
        return std::nullopt;
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace qz5
