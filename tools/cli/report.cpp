// SPDX-License-Identifier: GPL-3.0-or-later
#include "report.h"

#include "params/rules.h"

#include <QJsonArray>

namespace {

bool carriedBy(const QVector<IntField> &list, IntField field)
{
    return std::find(list.begin(), list.end(), field) != list.end();
}

QJsonValue valueJson(const NamedField &field, const ParameterSet &p)
{
    const int v = p.*field.field;
    return field.volts ? QJsonValue(v / 10.0) : QJsonValue(v);
}

// Parameters present in both, in the form's order.
QVector<const NamedField *> common(const LoadedFrames &la, const LoadedFrames &lb)
{
    QVector<const NamedField *> both;
    const QVector<const NamedField *> inB = presentFields(lb);
    for (const NamedField *f : presentFields(la))
        if (inB.contains(f)) both.append(f);
    return both;
}

} // namespace

QVector<const NamedField *> presentFields(const LoadedFrames &loaded)
{
    QVector<IntField> carried;
    for (TextFrame frame : kSendOrder)
        if (loaded.contains(frame)) carried += frameParameters(frame);
    QVector<const NamedField *> present;
    for (const NamedField &f : kNamedFields)
        if (carriedBy(carried, f.field)) present.append(&f);
    return present;
}

QString valueText(const NamedField &field, const ParameterSet &p)
{
    const int v = p.*field.field;
    return field.volts ? QString::number(v / 10.0, 'f', 1) : QString::number(v);
}

ParameterSet wouldBeSent(const ParameterSet &p)
{
    ParameterSet sanitised = p;
    sanitise(sanitised);
    ParameterSet sent = sanitised;
    for (TextFrame frame : kSendOrder)
        readFrameFields(frame, buildFrame(frame, sanitised, frameTemplate(frame)), 0, sent);
    return sent;
}

QVector<Correction> corrections(const ParameterSet &p, const LoadedFrames &loaded)
{
    const ParameterSet sent = wouldBeSent(p);
    QVector<Correction> list;
    for (const NamedField *f : presentFields(loaded))
        if (sent.*f->field != p.*f->field) list.append({f, valueText(*f, p), valueText(*f, sent)});
    return list;
}

QStringList dumpLines(const ParameterSet &p, const LoadedFrames &loaded)
{
    const QVector<Correction> flagged = corrections(p, loaded);
    QStringList lines;
    const NamedField *previous = nullptr;
    for (const NamedField *f : presentFields(loaded)) {
        if (!previous || previous->group != f->group)
            lines << QStringLiteral("# ") + QLatin1String(formGroupCaption(f->group));
        previous = f;
        QString line = QLatin1String(f->name) + ' ' + valueText(*f, p);
        for (const Correction &c : flagged)
            if (c.field == f) line += QStringLiteral(" # out of range, would be sent as ") + c.sent;
        lines << line;
    }
    return lines;
}

QJsonObject dumpJson(const ParameterSet &p, const LoadedFrames &loaded)
{
    const ParameterSet sent = wouldBeSent(p);
    QJsonObject parameters, outOfRange;
    for (const Correction &c : corrections(p, loaded))
        outOfRange.insert(QLatin1String(c.field->name), valueJson(*c.field, sent));
    for (const NamedField *f : presentFields(loaded))
        parameters.insert(QLatin1String(f->name), valueJson(*f, p));
    return {{QStringLiteral("parameters"), parameters}, {QStringLiteral("outOfRange"), outOfRange}};
}

QStringList diffLines(const ParameterSet &a, const LoadedFrames &la, const ParameterSet &b,
                      const LoadedFrames &lb)
{
    QStringList lines;
    for (const NamedField *f : common(la, lb))
        if (a.*f->field != b.*f->field)
            lines << QLatin1String(f->name) + ' ' + valueText(*f, a) + ' ' + valueText(*f, b);
    return lines;
}

QJsonObject diffJson(const ParameterSet &a, const LoadedFrames &la, const ParameterSet &b,
                     const LoadedFrames &lb)
{
    QJsonObject differences;
    for (const NamedField *f : common(la, lb))
        if (a.*f->field != b.*f->field)
            differences.insert(QLatin1String(f->name), QJsonArray{valueJson(*f, a), valueJson(*f, b)});
    return {{QStringLiteral("differences"), differences}};
}
