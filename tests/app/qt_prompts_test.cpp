// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "app/device/wait_cursor.h"
#include "app/qt_file_prompt.h"
#include "app/qt_message_presenter.h"
#include "when_shown.h"

namespace qz5::testing {
namespace {

TEST(QtMessagePresenterTest, CaptionlessBoxesReadErrorAndBlockTheWholeApplication) {
    QtMessagePresenter presenter;
    QString title;
    Qt::WindowModality modality = Qt::NonModal;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        modality = box.windowModality();
        EXPECT_EQ(box.text(), "ComPort Invalid");
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(presenter.present("ComPort Invalid", "", MessageButtons::Ok), MessageAnswer::Ok);
    EXPECT_EQ(title, "Error");
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

TEST(QtMessagePresenterTest, AReasonGoesIntoTheDetailsAndLeavesTheTextAlone) {
    QtMessagePresenter presenter;
    ScopedMessagePresenter installed(presenter);
    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Error");
        EXPECT_EQ(box.text(), "Could not aquire Com Port");
        EXPECT_EQ(box.detailedText(), "In use by term (pid 42).");
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(showMessage(Message{"Could not aquire Com Port", {}, "In use by term (pid 42)."}),
              MessageAnswer::Ok);
}

// A path keeps its letters in every part of the box (the texts are UTF-8).
TEST(QtMessagePresenterTest, EveryPartOfTheBoxReadsUtf8) {
    const std::string path = "/home/j\u00fcrgen/\u65e5\u672c.zb3";
    QtMessagePresenter presenter;
    ScopedMessagePresenter installed(presenter);
    whenShown<QMessageBox>([&](QMessageBox& box) {
        for (const QString& part :
             {box.windowTitle(), box.text(), box.informativeText(), box.detailedText()}) {
            EXPECT_TRUE(part.endsWith(QString::fromUtf8(path))) << part.toStdString();
        }
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(showMessage(Message{.text = "Not read: " + path,
                                  .caption = path,
                                  .detail = "at " + path,
                                  .hint = "try " + path}),
              MessageAnswer::Ok);
}

TEST(QtMessagePresenterTest, QuestionsDefaultToCancel) {
    QtMessagePresenter presenter;
    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Zelbin3 Write");
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
        QTest::keyClick(&box, Qt::Key_Return);  // a careless Enter
    });
    EXPECT_EQ(presenter.present("Sure?", "Zelbin3 Write", MessageButtons::OkCancel),
              MessageAnswer::Cancel);

    whenShown<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(presenter.present("Sure?", "Zelbin3 Write", MessageButtons::OkCancel),
              MessageAnswer::Cancel);

    whenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(presenter.present("Sure?", "Zelbin3 Write", MessageButtons::OkCancel),
              MessageAnswer::Ok);
}

TEST(QtMessagePresenterTest, BoxesDuringABusyCommandShowTheNormalPointer) {
    QtMessagePresenter presenter;
    WaitCursor wait;
    Qt::CursorShape shape = Qt::WaitCursor;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        shape = QApplication::overrideCursor()->shape();
        box.button(QMessageBox::Ok)->click();
    });
    presenter.present("Zelbin3 Not Found", "", MessageButtons::Ok);
    EXPECT_EQ(shape, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

const FileDialogRequest kSaveRequest{"Save Config File",           "zb3",   "config1.zb3",
                                     "Zelbin3 Config files *.zb3", "*.zb3", {}};

TEST(QtFilePromptTest, SaveDialogProposesTheNameAndAddsTheExtension) {
    QtFilePrompt prompt;
    const QString folder = QDir::tempPath();
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Save Config File");
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.defaultSuffix(), "zb3");
        EXPECT_EQ(dialog.nameFilters(), QStringList{"Zelbin3 Config files *.zb3 (*.zb3)"});
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog.selectedFiles().value(0).endsWith("/config1.zb3"));
        dialog.setDirectory(folder);
        dialog.selectFile("typed-name");
        static_cast<QDialog&>(dialog).accept();  // what the Open or Save button does
    });
    const auto path = prompt.savePath(kSaveRequest);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, (folder + "/typed-name.zb3").toStdString());
}

TEST(QtFilePromptTest, OpenDialogAcceptsANameThatDoesNotExistAndCancelGivesNothing) {
    QtFilePrompt prompt;
    FileDialogRequest request = kSaveRequest;
    request.title = "Load Config File";
    request.initialName.clear();
    const QString folder = QDir::tempPath();
    request.places = {folder.toStdString()};
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Load Config File");
        EXPECT_TRUE(dialog.sidebarUrls().contains(QUrl::fromLocalFile(folder)));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
        dialog.setDirectory(folder);
        dialog.selectFile("not-there.zb3");
        static_cast<QDialog&>(dialog).accept();  // what the Open or Save button does
    });
    EXPECT_EQ(prompt.openPath(request), (folder + "/not-there.zb3").toStdString());

    whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(prompt.openPath(request), std::nullopt);
}

TEST(QtFilePromptTest, OpenDialogStaysOpenForANameInAFolderThatDoesNotExist) {
    QtFilePrompt prompt;
    FileDialogRequest request = kSaveRequest;
    request.title = "Load Config File";
    bool stayedOpen = false;
    QString warning;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        dialog.setDirectory(QDir::tempPath());
        dialog.selectFile("no-such-folder-here/x.zb3");
        whenShown<QMessageBox>([&](QMessageBox& box) {
            warning = box.text();
            box.accept();
        });
        static_cast<QDialog&>(dialog).accept();
        stayedOpen = dialog.isVisible();
        dialog.reject();
    });
    EXPECT_EQ(prompt.openPath(request), std::nullopt);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(warning.contains("no-such-folder-here")) << warning.toStdString();
}

}  // namespace
}  // namespace qz5::testing
