// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

// A one-line notice laid over the foot of the window: how a command ended, without a box to click
// away and without growing the window. It stays above the form and hides itself after a while.
class NoticeBar : public QLabel
{
public:
    enum class Tone { Done, Warning };

    explicit NoticeBar(QWidget *window);

    // Shows `text` over the window for `ms` milliseconds (0: until the next notice or dismiss()).
    void post(const QString &text, Tone tone = Tone::Done, int ms = kShowMs);
    void dismiss();

    static constexpr int kShowMs = 6000;

protected:
    void mousePressEvent(QMouseEvent *event) override;          // a click puts it away
    bool eventFilter(QObject *watched, QEvent *event) override; // follows the window's size

private:
    void place();

    QTimer hideTimer;
};
