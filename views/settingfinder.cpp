// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/settingfinder.h"

#include "params/findsetting.h"
#include "views/gotoeditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 560;
constexpr int kListRows = 12;

} // namespace

SettingFinder::SettingFinder(QTabWidget *tabs)
    : QFrame(tabs), tabs(tabs), field(new QLineEdit(this)), list(new QListWidget(this)),
      meaning(new QLabel(this))
{
    setObjectName(QStringLiteral("settingFinder"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    // Its own plain look: the form's sheets are all per widget, so none reaches it.
    setStyleSheet(QStringLiteral(
        "#settingFinder { background: rgb(235, 235, 235); border: 2px solid rgb(255, 170, 0); }"
        "QLineEdit, QListWidget { font: 15px; color: black; background: white; }"
        "#findMeaning { font: 14px; color: black; background: rgb(235, 235, 235); }"));
    field->setObjectName(QStringLiteral("findField"));
    field->setPlaceholderText(tr("Find a setting: label, meaning or name"));
    field->setClearButtonEnabled(true);
    // Reached by Find alone; Tab keeps running through the form as it always has.
    field->setFocusPolicy(Qt::ClickFocus);
    field->setAccessibleName(tr("Find a setting"));
    list->setObjectName(QStringLiteral("findList"));
    list->setFocusPolicy(Qt::NoFocus); // the keys stay in the field; Up and Down move the selection
    list->setUniformItemSizes(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(field);
    layout->addWidget(list);
    // What the chosen setting does, so a terse caption need not be guessed at before going there.
    meaning->setWordWrap(true);
    meaning->setFixedHeight(44); // two lines of the 14 px text
    meaning->setObjectName(QStringLiteral("findMeaning"));
    layout->addWidget(meaning);
    connect(list, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { meaning->setText(item ? item->toolTip() : QString()); });
    filter(QString());
    list->setFixedHeight(list->sizeHintForRow(0) * kListRows + 2 * list->frameWidth());
    connect(field, &QLineEdit::textChanged, this, &SettingFinder::filter);
    connect(field, &QLineEdit::returnPressed, this, [this] { goTo(list->currentItem()); });
    connect(list, &QListWidget::itemClicked, this, &SettingFinder::goTo);
    field->installEventFilter(this);
    hide();
}

void SettingFinder::open()
{
    if (!isVisible()) focusBefore = QApplication::focusWidget();
    resize(qMin(kWidth, tabs->width()), sizeHint().height());
    move((tabs->width() - width()) / 2, tabs->tabBar()->height() + 4);
    show();
    raise();
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
    filter(field->text());
}

void SettingFinder::close()
{
    hide();
    if (focusBefore) focusBefore->setFocus(Qt::OtherFocusReason);
}

bool SettingFinder::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
            QApplication::sendEvent(list, event);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void SettingFinder::filter(const QString &query)
{
    list->clear();
    for (const FindEntry *e : findSettings(query)) {
        auto *item = new QListWidgetItem(e->label, list);
        item->setData(Qt::UserRole, e->editor);
        //: %1 is what the setting does, %2 its name in the parameter files.
        item->setToolTip(tr("%1 (%2)").arg(e->meaning, e->name));
    }
    list->setCurrentRow(0);
}

void SettingFinder::goTo(QListWidgetItem *item)
{
    if (!item) return;
    QWidget *editor = tabs->findChild<QWidget *>(item->data(Qt::UserRole).toString());
    hide();
    goToEditor(tabs, editor);
}
