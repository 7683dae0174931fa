// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class QMenu;
class QWidget;

namespace qz5 {

class CConfigDlg;

// The window menu (Close, All settings, the tool commands and choices, About), which no
// window manager here lets a program extend: on a right click, and on
// Shift+F10 or the Menu key at the focused control. The window takes both keys itself, whatever the
// platform makes of them, and in a text field the menu is the field's own edit
// menu with the window's items below, so one key never opens two menus.
class WindowMenu : public QObject {
  public:
    explicit WindowMenu(CConfigDlg& window);
    ~WindowMenu() override;
    WindowMenu(const WindowMenu&) = delete;
    WindowMenu& operator=(const WindowMenu&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Opens the menu for `target` with its top left corner at `at`.
    void open(QWidget* target, QPoint at, bool byKeyboard);
    void addItems(QMenu& menu);

    CConfigDlg& window_;
};

}  // namespace qz5
