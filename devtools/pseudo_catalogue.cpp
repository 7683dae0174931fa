// SPDX-License-Identifier: GPL-3.0-or-later
// qz5-pseudo-catalogue IN.ts OUT.ts: the pseudo-language the layout and
// translation tests run under. Every text of the catalogue lupdate made from
// the sources comes back about 40 % longer and between ⟦ and ⟧, so a caption
// that does not fit shows, and a text shown without the marks is one that
// escaped translation. Placeholders and the Alt letter's & stay.
#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>
#include <cstdio>

namespace {

QString lengthened(const QString& source) {
    QStringList lines = source.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (!line.isEmpty()) {
            const auto extra = static_cast<qsizetype>(std::ceil(0.4 * double(line.size())));
            line += QString(extra, QChar(0x00E4));  // ä
        }
    }
    return QStringLiteral("⟦") + lines.join(QLatin1Char('\n')) + QStringLiteral("⟧");
}

struct Entry {
    QString context;
    QString source;
    bool counted = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: qz5-pseudo-catalogue IN.ts OUT.ts\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "qz5-pseudo-catalogue: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    Entry entry;
    QString context;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"context") {
            context.clear();
        } else if (reader.isStartElement() && reader.name() == u"name") {
            context = reader.readElementText();
            writer.writeStartElement(QStringLiteral("context"));
            writer.writeTextElement(QStringLiteral("name"), context);
        } else if (reader.isEndElement() && reader.name() == u"context") {
            writer.writeEndElement();
        } else if (reader.isStartElement() && reader.name() == u"message") {
            entry = {context,
                     {},
                     reader.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes")};
        } else if (reader.isStartElement() && reader.name() == u"source") {
            entry.source = reader.readElementText();
        } else if (reader.isEndElement() && reader.name() == u"message") {
            writer.writeStartElement(QStringLiteral("message"));
            if (entry.counted) {
                writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            }
            writer.writeTextElement(QStringLiteral("source"), entry.source);
            writer.writeStartElement(QStringLiteral("translation"));
            if (entry.counted) {
                for (int form = 0; form < 2; ++form) {
                    writer.writeTextElement(QStringLiteral("numerusform"),
                                            lengthened(entry.source));
                }
            } else {
                writer.writeCharacters(lengthened(entry.source));
            }
            writer.writeEndElement();
            writer.writeEndElement();
        }
    }
    writer.writeEndDocument();
    if (reader.hasError()) {
        std::fprintf(stderr, "qz5-pseudo-catalogue: %s: %s\n", argv[1],
                     reader.errorString().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
