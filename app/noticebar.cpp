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
}

void NoticeBar::post(const QString &text, Tone tone, int ms)
{
    setText(text);
    setStyleSheet(tone == Tone::Done
                      ? QStringLiteral("QLabel { background: #1f6f3a; color: white; font-size: 14px;"
                                       " border: 1px solid #9fd8ae; border-radius: 6px; padding: 0 12px; }")
                      : QStringLiteral("QLabel { background: #8a4b00; color: white; font-size: 14px;"
                                       " border: 1px solid #ffcc80; border-radius: 6px; padding: 0 12px; }"));
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

void NoticeBar::place()
{
    const QWidget *window = parentWidget();
    const int width = qMin(window->width() - 2 * kMargin, qMax(sizeHint().width() + 24, window->width() / 2));
    setGeometry((window->width() - width) / 2, window->height() - kHeight - kMargin, width, kHeight);
}
