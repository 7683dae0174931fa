// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/view_switcher.h"
#include "language/catalogue.h"
#include "language/language_choice.h"

namespace qz5 {

namespace {

struct Spoken {
    Catalogue program;
    QTranslator qt;
    std::optional<std::string> code;
};

Spoken& spoken() {
    static Spoken translators;
    return translators;
}

// Qt's catalogue of its own texts: the system's on Linux, the one carried
// beside the program on Windows.
bool loadQtCatalogue(QTranslator& qt, const std::string& code) {
    const QString name = QStringLiteral("qtbase_") + QString::fromStdString(code);
    return qt.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
           qt.load(name, QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
}

void speak(const std::optional<std::string>& code) {
    Spoken& now = spoken();
    QCoreApplication::removeTranslator(&now.qt);
    QCoreApplication::removeTranslator(&now.program.translator());
    now.code.reset();
    if (code && now.program.load(*code)) {
        now.code = code;
        QCoreApplication::installTranslator(&now.program.translator());
        if (loadQtCatalogue(now.qt, *code)) {
            QCoreApplication::installTranslator(&now.qt);
        }
    }
}

std::optional<std::string> wanted(const std::string& choice) {
    return choice.empty() ? catalogueFor(systemLanguages()) : catalogueFor({choice});
}

}  // namespace

void speakChosenLanguage() {
    speak(wanted(chosenLanguage()));
}

std::string chosenLanguage() {
    return rememberedLanguage();
}

void chooseLanguage(const std::string& code) {
    rememberLanguage(code);
    speak(wanted(code));
}

std::optional<std::string> spokenLanguage() {
    return spoken().code;
}

}  // namespace qz5
