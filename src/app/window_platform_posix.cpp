// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_platform.h"

#include <malloc.h>

#include <QString>

#include "common/text.h"

namespace qz5 {

std::vector<std::string> programArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

// DejaVu Sans comes with the system, through fontconfig.
Text provideWindowFont() {
    return {};
}

// Fusion already draws a caption across the button inside its frame.
void letCaptionsFillTheirButtons() {}

void shareOneHeap() {
    mallopt(M_ARENA_MAX, 1);
}

// The program keeps the terminal it was started from.
void attachParentConsole() {}

const char* portListHelp() {
    return QZ5_TEXT(
        "Help",
        "The port list offers COM1, COM2, ... for the serial devices found in /dev at\n"
        "start-up, in the order ttyUSB*, ttyACM*, ttyS*, ttyAMA*, rfcomm*; hover over\n"
        "a name to see its device. Serial devices usually belong to the group dialout.\n"
        "Find Tracker on the window menu (right click, Shift+F10) asks each free port.\n");
}

const char* windowFontHelp() {
    return "";
}

// Window managers offer programs no menu of their own to extend: the window's
// right-click menu carries the items instead.
bool extendSystemMenu(QWidget&, const QString&, int) {
    return false;
}

std::optional<int> systemMenuCommand(const QByteArray&, const void*) {
    return std::nullopt;
}

}  // namespace qz5
