// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/hoverstyle.h"
#include "ui/stylesheets.h"

#include <QComboBox>
#include <QFile>

HoverStep nextHoverStep(int counter, bool underMouse)
{
    if (underMouse) {
        if (counter + 1 > 19) return {20, HoverStep::RestingSheet};
        return {counter + 1, HoverStep::Nothing};
    }
    if (counter > 19) return {0, HoverStep::NormalSheet};
    // A count below 20 survives the pointer leaving and goes on from there when it comes back.
    return {counter, HoverStep::Nothing};
}

void applyStyleSheetResource(QComboBox *box, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.readAll();
    // The resources predate keyboard focus and the pending tint; the box keeps both marks under either.
    box->setStyleSheet(QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), bytes.size()))) +
                       form::editorMarkRules(QStringLiteral("QComboBox")));
    file.close();
}

void trackHover(QComboBox *box, int &counter)
{
    const HoverStep step = nextHoverStep(counter, box->underMouse());
    counter = step.counter;
    if (step.apply == HoverStep::RestingSheet)
        applyStyleSheetResource(box, QStringLiteral(":/comboBox_REV.qss"));
    if (step.apply == HoverStep::NormalSheet) applyStyleSheetResource(box, QStringLiteral(":/comboBox.qss"));
}
