// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Private to the inventory tables: the page builders and the row shorthands they use.
#include "formbuilder.h"
#include "ui_mainwindow.h"

namespace form {

void buildTopBar(Ui::MainWindow &f);
void buildServoPage(Ui::MainWindow &f);
void buildBasicPage(Ui::MainWindow &f);
void buildAdvance1Page(Ui::MainWindow &f);
void buildAdvance2Page(Ui::MainWindow &f);
void buildProgMixPage(Ui::MainWindow &f);
void buildSystemPage(Ui::MainWindow &f);

// Editor font sizes, as the tables spell them.
constexpr Look E20 = Look::Editor20;
constexpr Look E22 = Look::Editor22;

} // namespace form

// A member of the form `f` together with its objectName: the widget, or a column's layout, that a row
// creates. Every file that uses them #undefs them at its end.
#define NAMED_WIDGET(member) form::Slot(f.member, #member)
#define NAMED_LAYOUT(member)                                                                                 \
    form::LayoutSlot                                                                                         \
    {                                                                                                        \
        &f.member, #member                                                                                   \
    }
