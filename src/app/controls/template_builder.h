// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

#include "app/controls/control_access.h"
#include "app/controls/dialog_template.h"

class QDialog;
class QWidget;

namespace qz5 {

// One template laid over a dialog: where each control sits, whether it shows,
// its tool tip, and the widgets only this template has (labels, frames, group
// boxes). Several views share one dialog's controls; showing a view puts every
// control it names where it says, so values and states carry across.
class DialogView {
  public:
    void show(QDialog& dialog) const;
    // Hides the widgets of this view's own; the controls stay for the next view.
    void hide() const;
    // Moves the view's widgets up and left by the offset, for a window smaller
    // than the view.
    void scrollTo(QPoint offset) const;
    QSize size() const { return size_ + QSize(0, lineWidget_ != nullptr ? line_.height() : 0); }
    // Opens the template's added line (see DialogTemplate::addedLine) from
    // the next show on; `widget` fills it and takes its turn in the tab
    // order before the first control below the line.
    void openLine(QWidget& widget) { lineWidget_ = &widget; }
    // Where the added line lies, in pixels, before any scrolling.
    QRect line() const { return line_; }
    // Sets every text of the template again in the language now current and
    // gives each the room it needs; values and states stay. Captions the
    // window has set since stay too. Takes effect at the next show.
    void retranslate();

  private:
    friend DialogView buildView(QDialog& dialog, const DialogTemplate& tpl,
                                ControlAccess& controls);

    static constexpr std::size_t kNoItem = static_cast<std::size_t>(-1);

    struct Placement {
        QWidget* widget = nullptr;  // nullptr for a control made on first use
        int id = kNoControlId;
        QRect geometry;
        bool shown = true;
        bool control = false;  // has an id: takes part in the tab order
        QString toolTip;
        int visibleItems = 0;  // comboboxes: rows of the drop-down list
        // Controls: what a screen reader says of them in this view, and the
        // Alt+letter of a push button.
        QString name;
        QString description;
        QKeySequence shortcut;
        // The template item it places, kNoItem for a tab page; and where the
        // template puts it before any text needs more room.
        std::size_t item = kNoItem;
        QRect base;
    };
    // The room each shown text needs beyond the room its English source
    // had, by placement.
    std::vector<QSize> neededRoom() const;

    QRect placed(const Placement& place) const;
    // The placement's widget, or nullptr while its control is not made.
    QWidget* widgetOf(const Placement& place) const;
    // Puts `widget` as the view says, at `geometry`, apart from the tab order.
    static void apply(const Placement& place, QWidget& widget, QRect geometry);
    // A list's template area includes its drop-down list; the closed box
    // keeps its natural height, and the list shows what fits.
    static void fitList(Placement& place, QRect area, const QWidget& list);
    // The placement of a made control; a list made on first use is fitted
    // to its widget.
    static Placement fitted(const Placement& place, const QWidget& widget);

    ControlAccess* controls_ = nullptr;
    DialogTemplate tpl_;
    QString title_;
    QSize baseSize_;
    QSize size_;
    QRect baseLine_;
    QRect line_;
    QWidget* lineWidget_ = nullptr;
    std::vector<Placement> placements_;
    std::vector<QWidget*> own_;
};

// Creates the controls of the template that the registry does not hold yet,
// as children of the dialog, placed by dialog units of the template's font,
// registers each that has an id, and fills their initial lists. A hidden
// field, check box, plain list or button is registered to be made when first
// needed. Controls the registry already holds are reused as they are: their
// texts and states stay. The new view is built hidden. Texts are in the
// language now current, and a text longer than its template's room moves
// the controls after it to make room (see roomForTexts).
DialogView buildView(QDialog& dialog, const DialogTemplate& tpl, ControlAccess& controls);

// The first view of a dialog: builds it and shows it at once. Hidden controls
// are never shown.
DialogView buildDialog(QDialog& dialog, const DialogTemplate& tpl, ControlAccess& controls);

}  // namespace qz5
