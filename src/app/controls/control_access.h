// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "app/controls/pending_control.h"

class QWidget;

namespace qz5 {

// The only code that touches widgets for the window logic: controls are named
// by their template ids. Text crosses as Latin-1, one byte per character (a
// character outside Latin-1 reads as '?'). Nothing set from here raises a
// click, so no interlock handler runs while the form is filled.
class ControlAccess {
  public:
    // A list whose widget carries this property set to true keeps its items
    // in text order.
    static constexpr const char* kSortedProperty = "qz5SortedList";
    // A control showing its template's caption carries the English source
    // under this property, so a new language can replace it; a caption set
    // from here drops it.
    static constexpr const char* kTemplateCaptionProperty = "qz5TemplateCaption";

    void registerControl(int id, QWidget* widget);
    // A hidden control made only when something needs its widget; until then
    // the operations below answer from what was set on it.
    void registerPending(int id, PendingControl pending);
    // The control with this id, made now if it was pending, or nullptr when
    // the window has none.
    QWidget* control(int id) const;
    // Without making a pending control: nullptr until it is made.
    QWidget* madeControl(int id) const;
    bool hasControl(int id) const;
    // Runs `use` on the control once its widget exists: now, or when it is
    // made. Nothing runs for an id the window has no control for.
    void whenMade(int id, std::function<void(QWidget&)> use);
    // A pending control whose caption nothing has set yet reads as `caption`.
    void retitlePending(int id, const QString& caption);
    // A pending list that still holds as many items as `items` shows these
    // instead: the template's items in another language.
    void retitlePendingItems(int id, const QStringList& items);
    // Enables or disables; a missing control is skipped. As with dialog
    // controls, every operation below on a missing control or one of another
    // kind does nothing: reads give empty text, 0, false or -1.
    void enableControl(int id, bool enabled);

    // The six helpers. A text read keeps at most 78 characters; an editable
    // combobox reads its edit text, a plain list its selected item. Integers follow atoi; checks
    // read true only when checked; a set check takes the low 8 bits (0 unchecked, 1 checked, and
    // like a two-state dialog checkbox given its "indeterminate" 2, any other
    // nonzero byte checks the box).
    std::string getControlText(int id) const;
    std::int32_t getControlInt(int id) const;
    void setControlText(int id, std::string_view text);
    // Words in the reader's language, which Latin-1 need not hold.
    void setControlWords(int id, const QString& text);
    void setControlInt(int id, std::int32_t value);
    bool getControlCheck(int id) const;
    void setControlCheck(int id, std::int32_t value);

    // Comboboxes. Writing an editable combobox's text leaves its selection
    // index alone; selecting an index outside the list clears the selection.
    void resetComboContent(int id);
    // Returns the new item's index (-1 when the control is no list); a sorted
    // list inserts in text order, ignoring case.
    int addComboString(int id, std::string_view text);
    int addComboWords(int id, const QString& text);
    void setComboSelection(int id, int index);
    int comboSelection(int id) const;  // -1 when none
    int comboCount(int id) const;
    std::string comboItemText(int id, int index) const;  // empty when out of range
    // Plain text, shown as it is even where it looks like HTML.
    void setComboItemToolTip(int id, int index, const QString& text);

    // Tab bars.
    void insertTab(int id, int index, std::string_view text);
    void setTabWords(int id, int index, const QString& text);
    int currentTab(int id) const;

  private:
    PendingControl* pending(int id) const;

    // A control's widget is made at the first call to control(), which a
    // const caller may make too.
    mutable std::map<int, QWidget*> controls_;
    mutable std::map<int, PendingControl> pending_;
};

}  // namespace qz5
