// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_message_presenter.h"

#include <QApplication>
#include <QMessageBox>

#include "language/shown_text.h"

namespace qz5 {

MessageAnswer QtMessagePresenter::present(const Text& text, const Text& caption,
                                          MessageButtons buttons) {
    return presentMessage(Message{text, caption}, buttons);
}

MessageAnswer QtMessagePresenter::presentMessage(const Message& message, MessageButtons buttons) {
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    // Without a title Qt would show the program's file name; a caption-less box
    // reads "Error" as users of such boxes expect.
    box.setWindowTitle(
        shownText(message.caption.empty() ? say("Messages", "Error") : message.caption));
    box.setText(shownText(message.text));
    box.setTextFormat(Qt::PlainText);
    if (!message.hint.empty()) {
        box.setInformativeText(shownText(message.hint));
    }
    if (!message.detail.empty()) {
        box.setDetailedText(shownText(message.detail));
    }
    if (buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
    } else {
        box.setStandardButtons(
            (buttons == MessageButtons::OkCancel ? QMessageBox::Ok : QMessageBox::Discard) |
            QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    // A box that a busy command shows takes clicks: give it the normal pointer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    box.exec();
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
    // A Discard button carries the destructive role, so exec's result cannot tell it.
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Discard:
            return MessageAnswer::Discard;
        default:
            return MessageAnswer::Cancel;
    }
}

}  // namespace qz5
