// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The languages the program speaks besides English, each with its name in its own words.
struct ShippedLanguage {
    const char *code; // as in the catalogue's name, txconfig_<code>.qm
    const char *ownName;
};
extern const ShippedLanguage kShippedLanguages[5];

// The shipped language for a code as people and systems write it ("de", "de_DE", "de-AT",
// "zh-Hans-CN", "zh_CN.UTF-8"); "en" for English; empty when the program does not speak it.
QString shippedLanguageFor(const QString &code);

// "Deutsch" for "de", "English" for "en": a language's name in its own words.
QString languageOwnName(const QString &code);

// The language of the catalogues installed now ("en" while none is).
QString spokenLanguage();

// The value of --lang in `arguments` ("--lang de" or "--lang=de"), empty when not given; read before the
// programs' parsers so that their help is already in that language.
QString languageArgument(const QStringList &arguments);

// The language to speak: `requested` (--lang) when given, else `saved` (the window's choice), else the
// first of the system's languages (`system`, from LANGUAGE and LANG) that is shipped or English. A
// requested or saved code the program does not speak gives English and one log line.
QString chooseLanguage(const QString &requested, const QString &saved, const QStringList &system);

// Qt's own catalogue for `language` (its standard buttons and file dialogs), then the program's, installed
// on the application for as long as this lives. English loads only the program's English plural forms.
// A catalogue that is missing or damaged is logged and skipped: the texts stay English.
class Translations
{
public:
    explicit Translations(const QString &language);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

private:
    void install(QTranslator &translator, const QString &name, const QString &folder);

    QTranslator english, qt, program;
};
