// SPDX-License-Identifier: GPL-3.0-or-later
// Test runner for widget tests: one QApplication for the whole run, on the
// offscreen platform unless the caller chose another. (The user's folders are
// already moved aside by the isolated home that every test program links.)

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
