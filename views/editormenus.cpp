// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/editormenus.h"

#include "params/pilotlabels.h"
#include "params/rules.h"
#include "params/settingsdiff.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

namespace {
const char kEditorProperty[] = "txconfigEditor";
}

void EditorMenus::watch(QWidget *editor)
{
    editor->installEventFilter(this);
    if (qobject_cast<QAbstractSpinBox *>(editor)) {
        // The spin box builds its menu on its line edit; the menu is met as it is made.
        if (auto *line = editor->findChild<QLineEdit *>()) {
            line->setProperty(kEditorProperty, QVariant::fromValue(static_cast<QObject *>(editor)));
            line->installEventFilter(this);
        }
    }
}

bool EditorMenus::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Ignored and eaten: the text's own undo does not claim the key, so the window's shortcut runs.
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            (key->key() == Qt::Key_Z && key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier))) {
            event->ignore();
            return true;
        }
        break;
    }
    case QEvent::ChildAdded:
        // Met while it is still being built: looked at again when it is polished, before it shows.
        if (watched->property(kEditorProperty).isValid())
            static_cast<QChildEvent *>(event)->child()->installEventFilter(this);
        break;
    case QEvent::Polish:
        if (auto *menu = qobject_cast<QMenu *>(watched)) {
            menu->removeEventFilter(this);
            auto *editor =
                qobject_cast<QWidget *>(menu->parent()->property(kEditorProperty).value<QObject *>());
            QPointer<QWidget> target(editor);
            if (editor && extend)
                connect(menu, &QMenu::aboutToShow, this, [this, menu, target] {
                    if (!target) return;
                    menu->addSeparator();
                    extend(menu, target);
                });
        }
        break;
    case QEvent::ContextMenu:
        if (auto *combo = qobject_cast<QComboBox *>(watched)) {
            if (!extend) break;
            QMenu menu(combo);
            extend(&menu, combo);
            if (!menu.isEmpty()) menu.exec(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void addSettingActions(
    QMenu *menu, const NamedField &shown, const ParameterSet &form, const std::optional<ParameterSet> &held,
    const std::function<void(const ParameterSet &, const NamedField *, const QString &)> &take)
{
    const QString label = pilotShortLabel(shown);
    const NamedField *f = &shown;
    if (held) {
        const ParameterSet transmitter = *held;
        //: %1 is the setting's value as the transmitter holds it.
        const QString text =
            QCoreApplication::translate("EditorMenus", "Revert to the transmitter's value (%1)")
                .arg(pilotValue(shown, transmitter));
        //: An undo step; %1 is the setting's label as the form shows it.
        const QString step = QCoreApplication::translate("EditorMenus", "Revert %1").arg(label);
        menu->addAction(text, menu, [take, transmitter, f, step] { take(transmitter, f, step); });
    }
    // The factory set the tooltips name: what RESET makes of the setting.
    static const ParameterSet factory = factorySet();
    //: %1 is the setting's factory value.
    const QString text = QCoreApplication::translate("EditorMenus", "Reset to the factory value (%1)")
                             .arg(pilotValue(shown, factory));
    //: An undo step; %1 is the setting's label as the form shows it.
    const QString step = QCoreApplication::translate("EditorMenus", "Reset %1").arg(label);
    QAction *reset = menu->addAction(text, menu, [take, f, step] { take(factory, f, step); });
    reset->setEnabled(!sameSetting(shown, form, factory));
}
