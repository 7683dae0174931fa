#include "app/qt_message_presenter.h"

#include <QApplication>
#include <QMessageBox>

namespace qz5 {

MessageAnswer QtMessagePresenter::present(const std::string& text, const std::string& caption,
                                          MessageButtons buttons) {
    return presentWithDetail(text, caption, buttons, {});
}

MessageAnswer QtMessagePresenter::presentWithDetail(const std::string& text,
                                                    const std::string& caption,
                                                    MessageButtons buttons,
                                                    const std::string& detail) {
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    // Without a title Qt would show the program's file name; a caption-less box
    // reads "Error" as users of such boxes expect.
    box.setWindowTitle(caption.empty() ? QStringLiteral("Error") : QString::fromLatin1(caption));
    box.setText(QString::fromLatin1(text));
    box.setTextFormat(Qt::PlainText);
    if (!detail.empty()) {
        box.setDetailedText(QString::fromLocal8Bit(detail));
    }
    if (buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // A box that a busy command shows takes clicks: give it the normal pointer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    const bool ok = box.exec() == QMessageBox::Ok;
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
    return ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace qz5
