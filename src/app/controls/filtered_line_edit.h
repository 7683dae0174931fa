#pragma once

#include <optional>

#include <QLineEdit>

namespace qz5 {

// An edit field that forces typed letters to capitals or accepts only typed
// digits. Text set from code passes unfiltered, so a value loaded into the form
// shows exactly as stored.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    FilteredLineEdit(bool upperCase, bool digitsOnly, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // The text as it would be inserted, or nothing when it is refused.
    std::optional<QString> filtered(const QString& typed) const;
    void pasteFiltered();

    bool upperCase_;
    bool digitsOnly_;
};

}  // namespace qz5
