// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/language.h"
#include "files/fileslog.h"

#include <QCoreApplication>
#include <QLibraryInfo>

const ShippedLanguage kShippedLanguages[5] = {
    {"de", "Deutsch"}, {"es", "Español"}, {"fr", "Français"}, {"ru", "Русский"}, {"zh_CN", "简体中文"},
};

QString shippedLanguageFor(const QString &code)
{
    // "zh_CN.UTF-8@pinyin" -> "zh_CN"; "zh-Hans-CN" -> "zh_Hans_CN"
    QString c = code.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    c.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = c.section(QLatin1Char('_'), 0, 0).toLower();
    if (language == QLatin1String("en") || c == QLatin1String("C") || c == QLatin1String("POSIX"))
        return QStringLiteral("en");
    // Only the simplified script is shipped: Taiwan's and Hong Kong's traditional one is not.
    if (language == QLatin1String("zh")) {
        const QString rest = c.section(QLatin1Char('_'), 1).toUpper();
        const bool traditional = rest.contains(QLatin1String("HANT")) || rest == QLatin1String("TW") ||
                                 rest == QLatin1String("HK") || rest == QLatin1String("MO");
        return traditional ? QString() : QStringLiteral("zh_CN");
    }
    for (const ShippedLanguage &l : kShippedLanguages)
        if (language == QLatin1String(l.code)) return language;
    return QString();
}

namespace {
QString g_spoken = QStringLiteral("en");
}

QString languageOwnName(const QString &code)
{
    for (const ShippedLanguage &l : kShippedLanguages)
        if (code == QLatin1String(l.code)) return QString::fromUtf8(l.ownName);
    return QStringLiteral("English");
}

QString spokenLanguage()
{
    return g_spoken;
}

QString languageArgument(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--")) break;
        if (a == QLatin1String("--lang")) return arguments.value(i + 1);
        if (a.startsWith(QLatin1String("--lang="))) return a.mid(7);
    }
    return QString();
}

QString chooseLanguage(const QString &requested, const QString &saved, const QStringList &system)
{
    for (const QString &asked : {requested, saved}) {
        if (asked.isEmpty()) continue;
        const QString shipped = shippedLanguageFor(asked);
        if (!shipped.isEmpty()) return shipped;
        qCWarning(lcFiles, "No translation for the language \"%s\"; speaking English", qPrintable(asked));
        return QStringLiteral("en");
    }
    for (const QString &wanted : system) {
        const QString shipped = shippedLanguageFor(wanted);
        if (!shipped.isEmpty()) return shipped;
    }
    if (!system.isEmpty())
        qCWarning(lcFiles, "No translation for the system's languages (%s); speaking English",
                  qPrintable(system.join(QLatin1String(", "))));
    return QStringLiteral("en");
}

Translations::Translations(const QString &language)
{
    // Asked last to first: the program's catalogue, then Qt's, then the English forms under both.
    install(english, QStringLiteral("txconfig_en"), QStringLiteral(":/i18n"));
    g_spoken = language;
    if (language == QLatin1String("en")) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    install(qt, QStringLiteral("qtbase_") + language, qtFolder);
    install(program, QStringLiteral("txconfig_") + language, QStringLiteral(":/i18n"));
}

Translations::~Translations()
{
    g_spoken = QStringLiteral("en");
    for (QTranslator *t : {&program, &qt, &english}) QCoreApplication::removeTranslator(t);
}

void Translations::install(QTranslator &translator, const QString &name, const QString &folder)
{
    if (!translator.load(name, folder)) {
        qCWarning(lcFiles, "The catalogue %s in %s is missing or damaged; its texts stay English",
                  qPrintable(name), qPrintable(folder));
        return;
    }
    QCoreApplication::installTranslator(&translator);
}
