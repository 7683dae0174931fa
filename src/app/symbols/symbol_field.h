// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <QString>

class QAction;
class QComboBox;
class QLineEdit;

namespace qz5 {

class SymbolLibrary;

// The Symbol field with the pictures and names of the symbol list: its open
// list shows them beside the items, its description the name of the symbol
// typed, and in All settings its field shows the picture. The Basic view's
// closed list stays as drawn.
class SymbolField {
  public:
    SymbolField(QComboBox& symbol, QLineEdit& table, SymbolLibrary& library);
    // The widgets outlive this object and signal while they are torn down.
    ~SymbolField();
    SymbolField(const SymbolField&) = delete;
    SymbolField& operator=(const SymbolField&) = delete;

    void showPicture(bool shown);
    // Again after the field's description was set anew (a view, the marks).
    void refresh();

  private:
    class PictureDelegate;
    QString describedSymbol() const;

    QComboBox& symbol_;
    QLineEdit& table_;
    SymbolLibrary& library_;
    QAction* picture_;
    PictureDelegate* pictures_ = nullptr;
    bool pictureShown_ = false;
    QMetaObject::Connection symbolEdited_;
    QMetaObject::Connection tableEdited_;
};

}  // namespace qz5
