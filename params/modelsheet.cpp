// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/modelsheet.h"

#include "params/pilotlabels.h"
#include "params/rules.h"
#include "params/settingsdiff.h"
#include "params/settingtext.h"

#include <QCoreApplication>

namespace {

// "SYSTEM / VERSION / MODE / TRIM-1": the tab, the group (which may hold a slash itself) and the row.
struct LabelParts {
    QString tab, group, row;
};
LabelParts partsOf(const QString &label)
{
    QStringList parts = label.split(QStringLiteral(" / "));
    LabelParts p;
    p.tab = parts.takeFirst();
    p.row = parts.isEmpty() ? QString() : parts.takeLast();
    p.group = parts.join(QStringLiteral(" / "));
    return p;
}

QString cell(const QString &text, bool bold)
{
    const QString escaped = text.toHtmlEscaped();
    return QStringLiteral("<td>%1</td>").arg(bold ? QStringLiteral("<b>%1</b>").arg(escaped) : escaped);
}

QString headingLine(const QString &what, const QString &value)
{
    return QStringLiteral("<tr><td>%1:</td><td>%2</td></tr>").arg(what, value.toHtmlEscaped());
}

} // namespace

QString sheetValue(const NamedField &f, const ParameterSet &p)
{
    const QString shown = settingText(f, p);
    if (f.volts) return shown;
    const QString stored = QString::number(p.*f.field);
    return shown.section(QLatin1Char(' '), 0, 0) == stored ? shown
                                                           : QStringLiteral("%1 (%2)").arg(shown, stored);
}

QString modelSheetHtml(const ParameterSet &model, const QVector<const NamedField *> &settings,
                       const SheetHeading &heading)
{
    const ParameterSet factory = factorySet();
    int differing = 0;
    for (const NamedField *f : settings) differing += !sameSetting(*f, model, factory);

    const QString title = QCoreApplication::translate("ModelSheet", "Model sheet").toHtmlEscaped();
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                                  "<body style=\"font-family: sans-serif; font-size: 10pt; color: black;\">"
                                  "<h1>%1</h1><table cellpadding=\"2\">")
                       .arg(title);
    html += headingLine(QCoreApplication::translate("ModelSheet", "Model"), heading.source);
    html += headingLine(QCoreApplication::translate("ModelSheet", "Made"),
                        heading.made.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    html += headingLine(QCoreApplication::translate("ModelSheet", "Port"),
                        heading.port.isEmpty() ? QCoreApplication::translate("ModelSheet", "none")
                                               : heading.port);
    html += headingLine(QCoreApplication::translate("ModelSheet", "Transmitter version"),
                        heading.transmitterVersion.isEmpty()
                            ? QCoreApplication::translate("ModelSheet", "not known")
                            : heading.transmitterVersion);
    //: %1 is how many of the %n settings differ; keep the <b> tags around the word for bold.
    html +=
        QStringLiteral("</table><p>%1</p>")
            .arg(QCoreApplication::translate("ModelSheet",
                                             "%1 of %n settings differ from the factory values; they are in "
                                             "<b>bold</b>.",
                                             nullptr, settings.size())
                     .arg(differing));

    LabelParts previous;
    bool tableOpen = false;
    for (const NamedField *f : settings) {
        const LabelParts at = partsOf(pilotLabel(*f));
        if (at.tab != previous.tab || at.group != previous.group) {
            if (tableOpen) html += QStringLiteral("</table>");
            if (at.tab != previous.tab) html += QStringLiteral("<h2>%1</h2>").arg(at.tab.toHtmlEscaped());
            html += QStringLiteral("<h3>%1</h3>"
                                   // thead: a table that runs onto the next page repeats its head there
                                   "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
                                   "<thead><tr><th align=\"left\">%2</th><th align=\"left\">%3</th>"
                                   "<th align=\"left\">%4</th><th align=\"left\">%5</th></tr></thead>")
                        .arg(at.group.toHtmlEscaped(),
                             QCoreApplication::translate("ModelSheet", "Setting").toHtmlEscaped(),
                             QCoreApplication::translate("ModelSheet", "Name").toHtmlEscaped(),
                             QCoreApplication::translate("ModelSheet", "Value").toHtmlEscaped(),
                             QCoreApplication::translate("ModelSheet", "Factory").toHtmlEscaped());
            tableOpen = true;
            previous = at;
        }
        const bool differs = !sameSetting(*f, model, factory);
        html += QStringLiteral("<tr>") + cell(at.row, differs) + cell(QLatin1String(f->name), false) +
                cell(sheetValue(*f, model), differs) + cell(settingText(*f, factory), false) +
                QStringLiteral("</tr>");
    }
    if (tableOpen) html += QStringLiteral("</table>");
    return html + QStringLiteral("</body></html>");
}
