// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/languagemenu.h"
#include "files/language.h"
#include "files/usersettings.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

// Made again at the next start rather than at once: every text the window has set would have to be set
// anew, and a pilot changes the language once.
QMenu *addLanguageMenu(QMenu *views, const QString &speaking, std::function<void(const QString &)> notice)
{
    QMenu *menu = views->addMenu(QCoreApplication::translate("LanguageMenu", "Language"));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto *group = new QActionGroup(menu);
    const QString saved = savedLanguage();
    auto add = [&](const QString &text, const QString &code) {
        QAction *action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(code == saved);
        action->setData(code);
        group->addAction(action);
    };
    add(QCoreApplication::translate("LanguageMenu", "System language"), QString());
    // Each in its own words, so a pilot can find theirs whatever the menu speaks now.
    add(QStringLiteral("English"), QStringLiteral("en"));
    for (const ShippedLanguage &l : kShippedLanguages)
        add(QString::fromUtf8(l.ownName), QLatin1String(l.code));
    menu->addSeparator();
    //: Under the list of languages; %1 is the language spoken now, in its own name.
    menu->addAction(QCoreApplication::translate("LanguageMenu",
                                                "Speaking %1; a change takes effect at the next start")
                        .arg(speaking))
        ->setEnabled(false);
    QObject::connect(group, &QActionGroup::triggered, menu, [notice](QAction *action) {
        rememberLanguage(action->data().toString());
        notice(QCoreApplication::translate("LanguageMenu", "The language changes at the next start."));
    });
    return menu;
}
