#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

class QWidget;

namespace qz5 {

// The only code that touches widgets for the window logic: controls are named
// by their template ids. Text crosses as Latin-1, one byte per character (a
// character outside Latin-1 reads as '?'). Nothing set from here raises a
// click, so no interlock handler runs while the form is filled.
class ControlAccess {
public:
    void registerControl(int id, QWidget* widget);
    // The control with this id, or nullptr when the window has none.
    QWidget* control(int id) const;
    bool hasControl(int id) const { return control(id) != nullptr; }
    // Enables or disables; a missing control is skipped.
    void enableControl(int id, bool enabled);

    // The six helpers. A text read keeps at most 78 characters; an editable
    // combobox reads its edit text. Integers follow atoi; checks read true only
    // when checked; a set check takes the low 8 bits (0 unchecked, 1 checked).
    std::string getControlText(int id) const;
    std::int32_t getControlInt(int id) const;
    void setControlText(int id, std::string_view text);
    void setControlInt(int id, std::int32_t value);
    bool getControlCheck(int id) const;
    void setControlCheck(int id, std::int32_t value);

    // Comboboxes. Writing an editable combobox's text leaves its selection
    // index alone; selecting an index outside the list clears the selection.
    void resetComboContent(int id);
    void addComboString(int id, std::string_view text);  // a sorted list inserts in text order
    void setComboSelection(int id, int index);
    int comboSelection(int id) const;  // -1 when none
    int comboCount(int id) const;
    std::string comboItemText(int id, int index) const;

    // Tab bars.
    void insertTab(int id, int index, std::string_view text);
    int currentTab(int id) const;

private:
    std::map<int, QWidget*> controls_;
};

}  // namespace qz5
