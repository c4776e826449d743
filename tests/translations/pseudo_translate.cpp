// Turns a catalogue written by lupdate into a pseudo-translation: every message gets
// its own source text between markers, so a window shown under it tells at a glance
// (and a test can check) which of its texts went through the translation system.
//
//   pseudo_translate IN.ts OUT.ts
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: pseudo_translate IN.ts OUT.ts\n");
        return 2;
    }
    QFile in(args[1]);
    QFile out(args[2]);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "pseudo_translate: cannot open %s or %s\n", qPrintable(args[1]), qPrintable(args[2]));
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    QString source;
    bool inSource = false;
    int messages = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("source")) {
            inSource = true;
            source.clear();
        } else if (reader.isEndElement() && reader.name() == QLatin1String("source")) {
            inSource = false;
        } else if (inSource && reader.isCharacters()) {
            source += reader.text();
        } else if (reader.isStartElement() && reader.name() == QLatin1String("translation")) {
            reader.skipCurrentElement();
            writer.writeTextElement(QStringLiteral("translation"), QStringLiteral(u"\u27e6") + source + QStringLiteral(u"\u27e7"));
            ++messages;
            continue;
        }
        writer.writeCurrentToken(reader);
    }
    if (reader.hasError()) {
        std::fprintf(stderr, "pseudo_translate: %s: %s\n", qPrintable(args[1]), qPrintable(reader.errorString()));
        return 1;
    }
    if (messages == 0) {
        std::fprintf(stderr, "pseudo_translate: %s holds no messages\n", qPrintable(args[1]));
        return 1;
    }
    return out.flush() ? 0 : 1;
}
