// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <optional>
#include <string>

#include "app/controls/template_builder.h"

class QDialog;
class QScrollBar;
class QWidget;

namespace qz5 {

class ControlAccess;

enum class WindowView { Basic, AllSettings };

// The window's two layouts over one set of controls. Switching moves and
// shows controls only, so every edit, state and the selected profile stay.
// A view larger than the screen gets scroll bars that move its controls.
class ViewSwitcher {
  public:
    // Builds the Basic view's controls and shows it. The All settings view
    // lays out the same controls; it is built when first shown, as most runs
    // never show it.
    ViewSwitcher(QDialog& dialog, ControlAccess& controls);
    // The dialog outlives this member and its widgets emit signals while it
    // is torn down; nothing may reach this object then.
    ~ViewSwitcher();
    ViewSwitcher(const ViewSwitcher&) = delete;
    ViewSwitcher& operator=(const ViewSwitcher&) = delete;

    void show(WindowView view);
    WindowView current() const { return current_; }

    // The scroll bars' names in the application's language, again when it
    // changes.
    void nameScrollers();

    // Opens each view's added line and puts `strip` in it, and in the tab
    // order where the line lies; the window grows by the line. The strip must
    // outlive this object.
    void openLine(QWidget& strip);

    // Every view's texts again in the language now current, laid out for
    // them; the view shown, its values and the focus stay.
    void retranslate();

  private:
    void scrollTo(QPoint offset) const;
    const DialogView& currentView() const;
    DialogView& allSettings();
    void fitToScreen();
    void scrollInto(QWidget* focused);
    void keepOnScreen();

    QDialog& dialog_;
    ControlAccess& controls_;
    DialogView basic_;
    std::optional<DialogView> all_;
    WindowView current_ = WindowView::Basic;
    QScrollBar* across_;
    QScrollBar* down_;
    QWidget* strip_ = nullptr;
    QMetaObject::Connection followFocus_;
};

// The view the user chose last, kept in the user's configuration folder.
WindowView rememberedView();
void rememberView(WindowView view);

// Whether every Write keeps the tracker's settings in the history first;
// off unless the user chose it.
bool rememberedKeepBeforeWrite();
void rememberKeepBeforeWrite(bool keep);

// The language chosen on the window menu (a catalogue's code); empty for the
// system's own.
std::string rememberedLanguage();
void rememberLanguage(const std::string& code);

// The view a run opens with: All settings when asked for, otherwise the
// remembered one.
WindowView startupView(bool allSettingsAsked);

}  // namespace qz5
