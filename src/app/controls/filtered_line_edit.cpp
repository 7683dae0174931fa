#include "app/controls/filtered_line_edit.h"

#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace qz5 {

FilteredLineEdit::FilteredLineEdit(bool upperCase, bool digitsOnly, QWidget* parent)
    : QLineEdit(parent), upperCase_(upperCase), digitsOnly_(digitsOnly) {
    // A drop would bypass the filter.
    setAcceptDrops(!upperCase && !digitsOnly);
}

std::optional<QString> FilteredLineEdit::filtered(const QString& typed) const {
    QString result = typed;
    for (QChar& c : result) {
        if (digitsOnly_ && (c < u'0' || c > u'9')) {
            return std::nullopt;
        }
        // Only capitals that stay one Latin-1 character: anything else would
        // not survive the trip to the tracker.
        const QChar upper = c.toUpper();
        if (upperCase_ && upper.unicode() <= 0xFF) {
            c = upper;
        }
    }
    return result;
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (!upperCase_ && !digitsOnly_) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.front().isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const std::optional<QString> accepted = filtered(typed);
    if (!accepted) {
        QApplication::beep();
        event->accept();
        return;
    }
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), *accepted,
                       event->isAutoRepeat(), static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (upperCase_ || digitsOnly_) {
        // The menu's Paste is the action wired to the unfiltered paste; Qt wires
        // it by signature, so only a disconnect by signature finds it.
        for (QAction* action : menu->actions()) {
            if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) {
                connect(action, &QAction::triggered, this, &FilteredLineEdit::pasteFiltered);
            }
        }
    }
    menu->exec(event->globalPos());
}

void FilteredLineEdit::pasteFiltered() {
    if (isReadOnly()) {
        return;
    }
    const std::optional<QString> accepted = filtered(QApplication::clipboard()->text());
    if (!accepted) {
        QApplication::beep();
        return;
    }
    insert(*accepted);
}

}  // namespace qz5
