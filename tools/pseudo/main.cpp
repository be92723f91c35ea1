// SPDX-License-Identifier: GPL-3.0-or-later
// txpseudo IN.ts OUT.ts: a pseudo-language from the source texts of a catalogue. Every text is wrapped
// in ⟦ ⟧ (each piece between its arguments) and made about 30 % longer, and every plural form is filled, so
// that a walk over the windows finds any text that does not pass through a catalogue, and any layout that
// cannot take longer words.
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

// Each piece of the source between its arguments is marked on its own, so that what an argument brings
// in (a setting's meaning, a reason) stands outside the markers and is checked as well.
QString pseudo(const QString &source)
{
    static const QRegularExpression argument(QStringLiteral("%(L?[1-9]|n)"));
    const QString padding((source.size() * 3 + 9) / 10, QChar(0x00B7));
    QString marked;
    int from = 0;
    auto piece = [&marked](const QString &text) {
        if (!text.isEmpty()) marked += QStringLiteral("⟦") + text + QStringLiteral("⟧");
    };
    for (auto it = argument.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        piece(source.mid(from, m.capturedStart() - from));
        marked += m.captured(0);
        from = m.capturedEnd();
    }
    piece(source.mid(from) + padding);
    return marked;
}

struct Message {
    QString source, comment;
    bool numerus = false;
};

// The messages of each context, in the catalogue's order.
bool readCatalogue(QFile &file, QVector<QPair<QString, QVector<Message>>> &contexts)
{
    QXmlStreamReader xml(&file);
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message") && !contexts.isEmpty())
            contexts.last().second.append(message);
        if (!xml.isStartElement()) continue;
        const QString name = xml.name().toString();
        if (name == QLatin1String("context")) {
            contexts.append(qMakePair(QString(), QVector<Message>()));
        } else if (name == QLatin1String("name") && !contexts.isEmpty()) {
            contexts.last().first = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name != QLatin1String("TS")) {
            xml.skipCurrentElement();
        }
    }
    return !xml.hasError();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: txpseudo IN.ts OUT.ts\n");
        return 2;
    }
    QFile in(args.at(1));
    QVector<QPair<QString, QVector<Message>>> contexts;
    if (!in.open(QIODevice::ReadOnly) || !readCatalogue(in, contexts)) {
        std::fprintf(stderr, "txpseudo: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QFile out(args.at(2));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "txpseudo: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    // Three plural forms to fill, where English has two.
    xml.writeAttribute(QStringLiteral("language"), QStringLiteral("ru_RU"));
    for (const auto &context : contexts) {
        xml.writeStartElement(QStringLiteral("context"));
        xml.writeTextElement(QStringLiteral("name"), context.first);
        for (const Message &m : context.second) {
            xml.writeStartElement(QStringLiteral("message"));
            if (m.numerus) xml.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            xml.writeTextElement(QStringLiteral("source"), m.source);
            if (!m.comment.isEmpty()) xml.writeTextElement(QStringLiteral("comment"), m.comment);
            xml.writeStartElement(QStringLiteral("translation"));
            if (m.numerus)
                for (int form = 0; form < 3; ++form)
                    xml.writeTextElement(QStringLiteral("numerusform"), pseudo(m.source));
            else
                xml.writeCharacters(pseudo(m.source));
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return 0;
}
