// SPDX-License-Identifier: GPL-3.0-or-later
// Test runner for widget tests: one QApplication for the whole run, on the
// offscreen platform unless the caller chose another. (The user's folders are
// already moved aside by the isolated home that every test program links.)

#include <gtest/gtest.h>

#include <QApplication>
#include <QLibraryInfo>
#include <cstdio>

#include "language/catalogue.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // QZ5_TEST_LANGUAGE=de (or pseudo): the whole run speaks that catalogue,
    // Qt's own texts too where Qt has them.
    qz5::Catalogue catalogue;
    QTranslator qt;
    if (const QByteArray language = qgetenv("QZ5_TEST_LANGUAGE"); !language.isEmpty()) {
        if (!catalogue.load(language.toStdString())) {
            std::fprintf(stderr, "no catalogue %s\n", language.constData());
            return 1;
        }
        QCoreApplication::installTranslator(&catalogue.translator());
        if (qt.load(QStringLiteral("qtbase_") + QString::fromLatin1(language),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qt);
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
