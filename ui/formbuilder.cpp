// SPDX-License-Identifier: GPL-3.0-or-later
#include "formbuilder.h"

#include <QAbstractSpinBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace form {

QWidget *Slot::create(QWidget *parent) const
{
    QWidget *w = m_make(m_member, parent);
    w->setObjectName(QString::fromLatin1(m_name));
    return w;
}

Item widget(Slot s, Where w, Look look)
{
    return Item{s, w, look};
}

Item column(Slot s, LayoutSlot l, Where w, int spacing)
{
    Item item{s, w};
    item.layout = l;
    item.spacing = spacing;
    return item;
}

Item caption(Slot s, Where w, Look look)
{
    Item item{s, w, look};
    item.readOnly = true;
    return item;
}

Item entry(Slot s, Where w, Look look)
{
    return Item{s, w, look};
}

Item spin(Slot s, Where w, int low, int high, int value, Look look, QSizePolicy::Policy h)
{
    Item item{s, w, look, double(low), double(high), 1, double(value)};
    item.horizontal = h;
    return item;
}

Item dspin(Slot s, Where w, double low, double high, double step, int decimals, double value, Look look)
{
    Item item{s, w, look, low, high, step, value};
    item.decimals = decimals;
    return item;
}

Item combo(Slot s, Where w, Look look, QSizePolicy::Policy h)
{
    Item item{s, w, look};
    item.horizontal = h;
    return item;
}

Item bar(Slot s, Where w, int maximum, int value, Look look)
{
    return Item{s, w, look, 0, double(maximum), 1, double(value)};
}

Item tuned(Item item, void (*custom)(QWidget *))
{
    item.custom = custom;
    return item;
}

namespace {

QTabWidget *pageHost = nullptr;

void makeColumn(QWidget *container, const Item &row)
{
    auto *layout = new QVBoxLayout(container);
    if (row.spacing >= 0) layout->setSpacing(row.spacing);
    layout->setObjectName(QString::fromLatin1(row.layout.name));
    layout->setContentsMargins(0, 0, 0, 0);
    *row.layout.member = layout;
}

// What each class takes from its row.
void configure(QWidget *w, const Item &row)
{
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        edit->setAlignment(Qt::AlignCenter);
        edit->setReadOnly(row.readOnly);
    } else if (auto *box = qobject_cast<QSpinBox *>(w)) {
        box->setRange(int(row.low), int(row.high));
        // Setting the value it already holds would still lay its text out again.
        if (box->value() != int(row.value)) box->setValue(int(row.value));
    } else if (auto *box = qobject_cast<QDoubleSpinBox *>(w)) {
        box->setDecimals(row.decimals);
        box->setRange(row.low, row.high);
        box->setSingleStep(row.step);
        if (box->value() != row.value) box->setValue(row.value);
    } else if (auto *progress = qobject_cast<QProgressBar *>(w)) {
        progress->setMaximum(int(row.high));
        progress->setValue(int(row.value));
        progress->setOrientation(Qt::Vertical);
        progress->setTextVisible(false);
        progress->setInvertedAppearance(false);
        progress->setTextDirection(QProgressBar::BottomToTop);
    } else if (w->metaObject() == &QFrame::staticMetaObject) {
        auto *frame = static_cast<QFrame *>(w);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Raised);
    }
}

} // namespace

void build(std::initializer_list<Item> rows)
{
    for (const Item &row : rows) {
        QWidget *parent = row.where.parent.widget();
        QWidget *w = row.slot.create(parent);
        if (row.where.stacked) {
            QSizePolicy policy(row.horizontal, QSizePolicy::Expanding);
            policy.setHeightForWidth(w->sizePolicy().hasHeightForWidth());
            w->setSizePolicy(policy);
        } else if (!row.where.geometry.isNull()) {
            w->setGeometry(row.where.geometry);
        }
        if (row.custom) row.custom(w);
        if (row.look != Look::None) w->setStyleSheet(styleSheet(row.look, w->metaObject()->className()));
        configure(w, row);
        if (row.layout.member) makeColumn(w, row);
        if (row.where.stacked) parent->layout()->addWidget(w);
        if (!parent && pageHost) pageHost->addTab(w, QString());
    }
}

PageHost::PageHost(QTabWidget *tabs)
{
    pageHost = tabs;
}

PageHost::~PageHost()
{
    pageHost = nullptr;
}

} // namespace form
