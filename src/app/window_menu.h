// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

#include "app/view_switcher.h"
#include "common/text.h"

class QMenu;
class QWidget;

namespace qz5 {

// The system commands of the window menu, as a dialog's system menu numbers
// them; the About item is 0x0010.
inline constexpr int kAboutCommand = 0x0010;
inline constexpr int kCloseCommand = 0xF060;
inline constexpr const char* kAboutItemText = QZ5_TEXT("Window", "&About Zelbin3Config...");

// What the menu's items do.
struct WindowMenuActions {
    // A tool command by its id (the tool table's), or kCloseCommand or kAboutCommand.
    std::function<void(int id)> command;
    // Whether the choice with this id (the tool table's) is on.
    std::function<bool(int id)> chosen;
    std::function<WindowView()> view;
    std::function<void(WindowView view)> showView;
};

// The window menu (Close, All settings, the tool commands and choices, Language, About), which no
// window manager here lets a program extend: on a right click, and on
// Shift+F10 or the Menu key at the focused control. The window takes both keys itself, whatever the
// platform makes of them, and in a text field the menu is the field's own edit
// menu with the window's items below, so one key never opens two menus.
class WindowMenu : public QObject {
  public:
    WindowMenu(QWidget& window, WindowMenuActions actions);
    ~WindowMenu() override;
    WindowMenu(const WindowMenu&) = delete;
    WindowMenu& operator=(const WindowMenu&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Opens the menu for `target` with its top left corner at `at`.
    void open(QWidget* target, QPoint at, bool byKeyboard);
    void addItems(QMenu& menu);
    void addLanguages(QMenu& menu);

    QWidget& window_;
    WindowMenuActions actions_;
};

}  // namespace qz5
