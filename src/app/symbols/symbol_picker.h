// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <optional>

#include "config/symbols/system_symbol_list.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace qz5 {

// What the tracker sends for a symbol: its table character (an overlay
// character for an overlaid alternate symbol) and its code.
struct ChosenSymbol {
    char table = '/';
    char code = '\0';
};

// Both tables of the symbol list as a grid of pictures with their names,
// narrowed by typing part of a name; Space or Enter chooses the symbol under
// the cursor. Without a list it says why and offers nothing to choose.
class SymbolPicker : public QDialog {
  public:
    SymbolPicker(const SymbolSource& source, ChosenSymbol current, QWidget* parent);

    std::optional<ChosenSymbol> chosen() const { return chosen_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fill(const SymbolList& list, ChosenSymbol current);
    void filter(const QString& text);
    void follow(QListWidgetItem* item);
    void choose(QListWidgetItem* item);

    QLineEdit* find_;
    QListWidget* grid_;
    QLineEdit* overlay_;
    QLabel* said_;
    std::optional<ChosenSymbol> chosen_;
};

// The names a screen reader hears for one cell: "Car (SSID -9), primary
// table, >".
QString symbolCellName(const SymbolEntry& entry);

}  // namespace qz5
