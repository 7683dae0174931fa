// Test runner for widget tests: one QApplication for the whole run, on the
// offscreen platform unless the caller chose another, with the user's
// configuration and state folders in a temporary folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window keeps settings and tracker images in the user's folders;
    // tests keep theirs in a folder of their own.
    const QTemporaryDir userFolders;
    qputenv("XDG_CONFIG_HOME", (userFolders.path() + "/config").toLocal8Bit());
    qputenv("XDG_STATE_HOME", (userFolders.path() + "/state").toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
