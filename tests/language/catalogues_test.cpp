// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <map>
#include <utility>

namespace qz5 {
namespace {

struct Entry {
    QString source;
    bool finished = true;
    QStringList translations;  // one, or one per plural form
};

// (context, source) -> entry.
using CatalogueFile = std::map<std::pair<QString, QString>, Entry>;

CatalogueFile readCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    CatalogueFile entries;
    QString context;
    Entry entry;
    bool counted = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"message") {
            entries[{context, entry.source}] = entry;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            entry = {};
            counted = xml.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
        } else if (xml.name() == u"source") {
            entry.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            entry.finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            if (!counted) {
                entry.translations.push_back(xml.readElementText());
            }
        } else if (xml.name() == u"numerusform") {
            entry.translations.push_back(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

QStringList languages() {
    return QString::fromLatin1(QZ5_LANGUAGES).split(QLatin1Char(','));
}

QString cataloguePath(const QString& language) {
    return QStringLiteral(QZ5_TRANSLATIONS_DIR "/qz5_%1.ts").arg(language);
}

// The values a text puts in its words, and the letter it gives the Alt key.
QStringList placeholders(const QString& text) {
    static const QRegularExpression marks(QStringLiteral("%[1-9n]"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marks.globalMatch(text)) {
        found.push_back(match.captured());
    }
    found.sort();
    return found;
}

// An & before a letter marks it; "&&" and an & before a space are the sign.
qsizetype altMarks(const QString& text) {
    static const QRegularExpression marks(QStringLiteral("&[^&\\s]"));
    return QString(text).remove(QStringLiteral("&&")).count(marks);
}

TEST(Catalogues, EveryLanguageTranslatesEveryTextOfTheSources) {
#ifdef QZ5_NO_LINGUIST_TOOLS
    GTEST_SKIP() << "no lupdate to read the sources with";
#else
    const CatalogueFile sources = readCatalogue(QStringLiteral(QZ5_SOURCES_CATALOGUE));
    ASSERT_GT(sources.size(), 100u);
    for (const QString& language : languages()) {
        const CatalogueFile catalogue = readCatalogue(cataloguePath(language));
        for (const auto& [key, entry] : sources) {
            EXPECT_TRUE(catalogue.contains(key))
                << language.toStdString() << " lacks " << key.first.toStdString() << ": "
                << key.second.toStdString() << " (run make translations)";
        }
        for (const auto& [key, entry] : catalogue) {
            EXPECT_TRUE(sources.contains(key))
                << language.toStdString()
                << " keeps a text the sources dropped: " << key.second.toStdString()
                << " (run make translations)";
        }
    }
#endif
}

TEST(Catalogues, EveryEntryIsFinishedAndKeepsItsPlaceholdersAndAltLetter) {
    for (const QString& language : languages()) {
        for (const auto& [key, entry] : readCatalogue(cataloguePath(language))) {
            const std::string where = language.toStdString() + " " + key.first.toStdString() +
                                      ": " + entry.source.toStdString();
            EXPECT_TRUE(entry.finished) << where;
            ASSERT_FALSE(entry.translations.isEmpty()) << where;
            for (const QString& translation : entry.translations) {
                EXPECT_FALSE(translation.isEmpty()) << where;
                EXPECT_EQ(placeholders(translation), placeholders(entry.source)) << where;
                EXPECT_EQ(altMarks(translation) > 0, altMarks(entry.source) > 0) << where;
            }
        }
    }
}

}  // namespace
}  // namespace qz5
