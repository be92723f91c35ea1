#pragma once

// Private to the inventory tables: the page builders and the row shorthands they use. Include it
// after any other header, since it defines the one-letter macros W and L.
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

// A member of the form `f` together with its objectName.
#define W(member) form::Slot(f.member, #member)
#define L(member)                                                                                            \
    form::LayoutSlot                                                                                         \
    {                                                                                                        \
        &f.member, #member                                                                                   \
    }
