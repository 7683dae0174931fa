// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_file_prompt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "language/shown_text.h"

namespace qz5 {

namespace {

// Qt's own dialog takes a typed name in any folder when it opens a file; the
// folder must exist, so such a name keeps the dialog open with a warning.
class PathMustExistDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

  protected:
    void accept() override {
        const QStringList chosen = selectedFiles();
        if (acceptMode() == AcceptOpen && !chosen.isEmpty()) {
            const QFileInfo file(chosen.front());
            if (!file.isDir() && !file.absoluteDir().exists()) {
                QMessageBox::warning(
                    this, windowTitle(),
                    translated("Files",
                               "%1\nFolder not found.\nPlease verify the correct path was given.")
                        .arg(QDir::toNativeSeparators(file.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

std::optional<std::string> runDialog(const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
    PathMustExistDialog dialog(nullptr, shownText(request.title));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromLatin1(request.defaultExtension));
    // The description already names its pattern; Qt would add it again.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(QStringLiteral("%1 (%2)").arg(shownText(request.filterDescription),
                                                       QString::fromLatin1(request.filterPattern)));
    QList<QUrl> places = dialog.sidebarUrls();
    for (const std::string& place : request.places) {
        places.append(QUrl::fromLocalFile(QString::fromStdString(place)));
    }
    dialog.setSidebarUrls(places);
    if (!request.initialName.empty()) {
        dialog.selectFile(QString::fromLatin1(request.initialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // UTF-8, the program's file name text on every system (Qt's own 8-bit
    // names on Windows would be the ANSI code page).
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace

std::optional<std::string> QtFilePrompt::openPath(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtFilePrompt::savePath(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::AcceptSave);
}

}  // namespace qz5
