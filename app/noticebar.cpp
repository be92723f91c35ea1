// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/noticebar.h"

#include <QMouseEvent>

namespace {
constexpr int kHeight = 34;
constexpr int kMargin = 12;
} // namespace

NoticeBar::NoticeBar(QWidget *window) : QLabel(window)
{
    setObjectName(QStringLiteral("noticeBar"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(false);
    setFocusPolicy(Qt::NoFocus);
    hideTimer.setSingleShot(true);
    connect(&hideTimer, &QTimer::timeout, this, &NoticeBar::dismiss);
    hide();
    // A notice that stays (a lost link) must stay at the foot of a window that is resized or maximised.
    window->installEventFilter(this);
}

void NoticeBar::post(const QString &text, Tone tone, int ms)
{
    setText(text);
    const bool done = tone == Tone::Done;
    setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: white; font-size: 14px; border: 1px solid %2;"
                       " border-radius: 6px; padding: 0 12px; }")
            .arg(done ? "#1f6f3a" : "#8a4b00", done ? "#9fd8ae" : "#ffcc80"));
    place();
    show();
    raise();
    if (ms > 0)
        hideTimer.start(ms);
    else
        hideTimer.stop();
}

void NoticeBar::dismiss()
{
    hideTimer.stop();
    hide();
}

void NoticeBar::mousePressEvent(QMouseEvent *event)
{
    dismiss();
    event->accept();
}

bool NoticeBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && !isHidden()) place();
    return false;
}

void NoticeBar::place()
{
    const QWidget *window = parentWidget();
    const int width = qMin(window->width() - 2 * kMargin, qMax(sizeHint().width() + 24, window->width() / 2));
    setGeometry((window->width() - width) / 2, window->height() - kHeight - kMargin, width, kHeight);
}
