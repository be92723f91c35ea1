// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/paramfile.h"

#include "params/namedfields.h"

#include "files/fileslog.h"

#include <QSaveFile>
#include <QTextStream>

QString LoadText;

QString readParameterFileText(QIODevice &device)
{
    // The cap counts bytes: counted in characters it would let a file in a wider encoding (a UTF-16
    // byte order mark is enough) take the reader twice or four times as far.
    QTextStream in(device.read(kMaxParameterFileBytes));
    // One character per byte whatever the locale (Qt 5 would follow it, Qt 6 take UTF-8); a byte order
    // mark still switches to its encoding, as an editor may have saved the file so.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    in.setEncoding(QStringConverter::Latin1);
#else
    in.setCodec("ISO-8859-1");
#endif
    return in.readAll();
}

bool hasFrameMarkers(const QString &text, TextFrame frame)
{
    const int start = frameOffset(frame);
    const QString markers = frameTemplate(frame);
    return text.size() > start + 80 && text.at(start) == markers.front() &&
           text.at(start + 80) == markers.back();
}

LoadedFrames readParameterText(const QString &text, ParameterSet &p)
{
    const int n = text.size();
    LoadedFrames loaded;
    qCDebug(lcFiles, "Blength00:%d", n);
    if (n > 161) {
        if (hasFrameMarkers(text, TextFrame::S)) {
            qCDebug(lcFiles, "Blength01:%d", n);
            readFrameFields(TextFrame::S, text, 0, p);
            loaded.s = true;
        }
        if (hasFrameMarkers(text, TextFrame::G)) {
            qCDebug(lcFiles, "Blength02:%d", n);
            readFrameFields(TextFrame::G, text, 81, p);
            loaded.g = true;
        }
    }
    if (n > 242) {
        if (hasFrameMarkers(text, TextFrame::H)) {
            qCDebug(lcFiles, "Blength03:%d", n);
            readFrameFields(TextFrame::H, text, 162, p);
            loaded.h = true;
        }
        if (n > 323 && hasFrameMarkers(text, TextFrame::I)) {
            readFrameFields(TextFrame::I, text, 243, p);
            loaded.i = true;
        }
    }
    return loaded;
}

QByteArray parameterFileBytes(ParameterSet &p)
{
    QString text;
    for (TextFrame frame : kSendOrder) text += buildFrame(frame, p, frameTemplate(frame));
    return text.toLatin1();
}

bool commitParameterFile(QSaveFile &file, const QByteArray &bytes, QString *error)
{
    // commit() does not see a short write left in the buffer (a full disk), so flush and check first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *error = file.errorString();
        file.cancelWriting();
        file.commit(); // drops the temporary file and keeps the old one
        return false;
    }
    if (file.commit()) return true;
    *error = file.errorString();
    return false;
}

void copyLoadedFrames(const ParameterSet &from, const LoadedFrames &loaded, ParameterSet &to)
{
    for (TextFrame frame : kSendOrder) {
        if (!loaded.contains(frame)) continue;
        for (IntField f : frameParameters(frame)) to.*f = from.*f;
    }
    for (const NamedField &f : kNamedFields)
        if (f.volts) to.*f.volts = from.*f.volts;
}
