// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;

// A search field over the form with the settings it finds below it. Enter or a click goes to the
// setting's editor; Escape closes it and gives the focus back to where it was.
class SettingFinder : public QFrame
{
    Q_OBJECT

public:
    // Over `tabs`, whose pages hold the editors it goes to.
    explicit SettingFinder(QTabWidget *tabs);

    void open();
    void close();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void filter(const QString &query);
    void goTo(QListWidgetItem *item);

    QTabWidget *tabs;
    QLineEdit *field;
    QListWidget *list;
    QLabel *meaning;
    QPointer<QWidget> focusBefore;
};
