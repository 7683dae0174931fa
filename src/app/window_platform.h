// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/text.h"

class QByteArray;
class QString;
class QWidget;

namespace qz5 {

// What the window program does through its operating system's own services.

// The program's arguments without its name, once the application object has
// taken Qt's own out of argv: file names as the system gave them (on
// Windows from its UTF-16 command line, never through the ANSI code page).
std::vector<std::string> programArguments(int argc, char** argv);

// Before any window is built: makes the face the window is laid out in
// available where the system has none. A face that cannot be had leaves Qt
// to choose another, and what the user should know of it comes back; the
// window opens all the same.
Text provideWindowFont();

// Before any window is built: a button's caption may take the whole button
// inside its frame, as the dialog units leave it room for.
void letCaptionsFillTheirButtons();

// Before any thread starts: the window's few short-lived workers (the port
// scan, the symbol list) share the main heap rather than each keeping an
// arena of its own for the rest of the run.
void shareOneHeap();

// Before the program prints: a window program started from a Command Prompt
// has no console of its own, so it takes its parent's.
void attachParentConsole();

// The help's paragraph on what the port list offers here, marked for the
// catalogues in the "Help" context.
const char* portListHelp();
// The help's paragraph on the font the window carries, where it carries one
// (marked the same way); empty elsewhere.
const char* windowFontHelp();

// Appends a separator and the item `text` with `commandId` to the window's
// system menu, where the system gives windows one to extend; false where it
// does not.
bool extendSystemMenu(QWidget& window, const QString& text, int commandId);

// The command of a system-menu choice that a native event carries, if it
// is one.
std::optional<int> systemMenuCommand(const QByteArray& eventType, const void* message);

}  // namespace qz5
