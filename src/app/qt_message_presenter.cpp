// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_message_presenter.h"

#include <QApplication>
#include <QMessageBox>

namespace qz5 {

MessageAnswer QtMessagePresenter::present(const std::string& text, const std::string& caption,
                                          MessageButtons buttons) {
    return presentMessage(Message{text, caption}, buttons);
}

MessageAnswer QtMessagePresenter::presentMessage(const Message& message, MessageButtons buttons) {
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    // Without a title Qt would show the program's file name; a caption-less box
    // reads "Error" as users of such boxes expect.
    box.setWindowTitle(message.caption.empty() ? QStringLiteral("Error")
                                               : QString::fromUtf8(message.caption));
    box.setText(QString::fromUtf8(message.text));
    box.setTextFormat(Qt::PlainText);
    if (!message.hint.empty()) {
        box.setInformativeText(QString::fromUtf8(message.hint));
    }
    if (!message.detail.empty()) {
        box.setDetailedText(QString::fromUtf8(message.detail));
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
