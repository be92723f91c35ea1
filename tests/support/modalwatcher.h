#pragma once

// Answers the modal boxes and file dialogs a command opens, so a test can click a button and go on.

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace support {

class ModalWatcher
{
public:
    struct Seen {
        QString title;
        QString text;
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
    bool fileAnswered = true;
    int fileDialogs = 0;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            boxes.append({box->windowTitle(), box->text()});
            box->done(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
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
};

} // namespace support
