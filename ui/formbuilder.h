// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stylesheets.h"

#include <QRect>
#include <QSizePolicy>
#include <QWidget>
#include <initializer_list>

class QTabWidget;
class QVBoxLayout;

namespace form {

// A form member that a row creates: the address of its pointer, its objectName, and a way to make the
// class the member is declared with. The class therefore lives only in the member's declaration.
class Slot
{
public:
    template <class W> Slot(W *&member, const char *name) : m_member(&member), m_name(name), m_make(&make<W>)
    {
    }
    QWidget *create(QWidget *parent) const;

private:
    template <class W> static QWidget *make(void *member, QWidget *parent)
    {
        return *static_cast<W **>(member) = new W(parent);
    }
    void *m_member;
    const char *m_name;
    QWidget *(*m_make)(void *, QWidget *);
};

// A column's layout member and its objectName.
struct LayoutSlot {
    QVBoxLayout **member;
    const char *name;
};

// A form member read when the row is walked, i.e. after the rows above it have created it.
class Ref
{
public:
    Ref() = default;
    template <class W> Ref(W *&member) : m_member(&member), m_get(&get<W>) {}
    QWidget *widget() const { return m_get ? m_get(m_member) : nullptr; }

private:
    template <class W> static QWidget *get(const void *member) { return *static_cast<W *const *>(member); }
    const void *m_member = nullptr;
    QWidget *(*m_get)(const void *) = nullptr;
};

// Where a widget goes: stacked into a column (the column's container is given), or at a fixed geometry
// in its parent. Without either it has no parent yet (a tab page, which addTab reparents).
struct Where {
    Where() = default;
    template <class W> Where(W *&column) : parent(column), stacked(true) {}
    Where(Ref parent, QRect geometry) : parent(parent), geometry(geometry) {}
    Ref parent;
    QRect geometry;
    bool stacked = false;
};

template <class W> Where at(W *&parent, int x, int y, int w, int h)
{
    return Where(Ref(parent), QRect(x, y, w, h));
}

// One row of the inventory. Only the fields that the widget's class uses are read.
struct Item {
    Slot slot;
    Where where;
    Look look = Look::None;
    double low = 0, high = 0, step = 1, value = 0; // spin boxes and progress bars
    int decimals = 0;
    bool readOnly = false;                                   // line edits
    QSizePolicy::Policy horizontal = QSizePolicy::Expanding; // column members
    LayoutSlot layout = {nullptr, nullptr};                  // columns
    int spacing = -1;                                        // columns; -1 keeps the style's spacing
    void (*custom)(QWidget *) = nullptr;                     // the odd property, set before the sheet
};

constexpr QSizePolicy::Policy Min = QSizePolicy::Minimum;
constexpr QSizePolicy::Policy Pref = QSizePolicy::Preferred;
constexpr QSizePolicy::Policy Exp = QSizePolicy::Expanding;

// Containers, buttons, curve widgets, frames, group boxes, pages.
Item widget(Slot s, Where w, Look look);
// A column container with a vertical box layout, zero margins.
Item column(Slot s, LayoutSlot l, Where w, int spacing = -1);
// Line edits: captions are read-only, read-outs and the odd editable caption are not.
Item caption(Slot s, Where w, Look look = Look::Caption);
Item entry(Slot s, Where w, Look look);
Item spin(Slot s, Where w, int low, int high, int value, Look look, QSizePolicy::Policy h = Exp);
Item dspin(Slot s, Where w, double low, double high, double step, int decimals, double value, Look look);
Item combo(Slot s, Where w, Look look, QSizePolicy::Policy h = Exp);
Item bar(Slot s, Where w, int maximum, int value, Look look);
// A row with a property of its own that no other widget shares.
Item tuned(Item item, void (*custom)(QWidget *));

// Creates the rows' widgets in order, stores each in its member and gives it its properties.
void build(std::initializer_list<Item> rows);

// While one lives, a row without a parent (a tab page) becomes the next tab of `tabs` as soon as it has
// its own properties, so the rows below it build their widgets in place. Adding a finished page
// instead makes Qt re-style every widget on it, which cost half of the window's start-up.
class PageHost
{
public:
    explicit PageHost(QTabWidget *tabs);
    ~PageHost();
    PageHost(const PageHost &) = delete;
    PageHost &operator=(const PageHost &) = delete;
};

} // namespace form
