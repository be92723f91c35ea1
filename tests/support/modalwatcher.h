// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers the modal boxes and file dialogs a command opens, so a test can click a button and go on.

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace support {

class ModalWatcher
{
public:
    struct Seen {
        QString title;
        QString text;
        QString defaultButton; // its text, mnemonic removed
    };
    struct DialogSeen {
        QString folder; // where it started
        QStringList nameFilters;
    };

    ModalWatcher()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        timer.start();
    }

    // The next file dialog gets this path and is accepted; an empty path cancels it.
    void answerFileDialog(const QString &path)
    {
        filePath = path;
        fileAnswered = false;
    }

    QVector<Seen> boxes;
    QVector<DialogSeen> dialogs;
    bool fileAnswered = true;
    int fileDialogs = 0;
    // A box with a button of this text gets it pressed; any other box gets Yes, or else Ok.
    QString answer;
    // Runs when a box is seen, before it is answered.
    std::function<void()> beforeAnswer;
    // LOAD's look at what a file changes: sent as it stands unless this returns false (Cancel); it
    // may untick rows first.
    std::function<bool(QDialog *)> onLoadPreview;
    int loadPreviews = 0;

private:
    static QString plain(const QAbstractButton *b) { return b ? QString(b->text()).remove('&') : QString(); }

    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            boxes.append({box->windowTitle(), box->text(), plain(box->defaultButton())});
            QAbstractButton *press = nullptr;
            for (QAbstractButton *b : box->buttons())
                if (!answer.isEmpty() && plain(b) == answer) press = b;
            if (beforeAnswer) beforeAnswer();
            if (press)
                press->click();
            else
                box->done(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
        } else if (modal && modal->objectName() == QLatin1String("loadPreview")) {
            auto *preview = static_cast<QDialog *>(modal);
            ++loadPreviews;
            preview->done(!onLoadPreview || onLoadPreview(preview) ? QDialog::Accepted : QDialog::Rejected);
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (dialog != lastDialog)
                dialogs.append({dialog->directory().absolutePath(), dialog->nameFilters()});
            lastDialog = dialog;
            if (filePath.isEmpty()) {
                dialog->reject();
            } else {
                // Typed as a user would; done() rather than accept(), which would open a folder
                // instead of returning it.
                if (auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit")) edit->setText(filePath);
                if (dialog->selectedFiles().value(0) != filePath) return; // not taken yet: next poll
                static_cast<QDialog *>(dialog)->done(QDialog::Accepted);
            }
            ++fileDialogs;
            fileAnswered = true;
        }
    }

    QTimer timer;
    QString filePath;
    QPointer<QFileDialog> lastDialog;
};

} // namespace support
