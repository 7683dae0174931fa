#include "app/qt_file_prompt.h"

#include <QFile>
#include <QFileDialog>
#include <QUrl>

namespace qz5 {

namespace {

std::optional<std::string> runDialog(const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(nullptr, QString::fromLatin1(request.title));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromLatin1(request.defaultExtension));
    // The description already names its pattern; Qt would add it again.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(
        QStringLiteral("%1 (%2)").arg(QString::fromLatin1(request.filterDescription),
                                      QString::fromLatin1(request.filterPattern)));
    QList<QUrl> places = dialog.sidebarUrls();
    for (const std::string& place : request.places) {
        places.append(QUrl::fromLocalFile(QFile::decodeName(place.c_str())));
    }
    dialog.setSidebarUrls(places);
    if (!request.initialName.empty()) {
        dialog.selectFile(QString::fromLatin1(request.initialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace

std::optional<std::string> QtFilePrompt::openPath(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtFilePrompt::savePath(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::AcceptSave);
}

}  // namespace qz5
