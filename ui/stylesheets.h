// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

namespace form {

// Every distinct style sheet of the form, by the kind of widget that wears it.
enum class Look : unsigned char {
    None, // no sheet of its own: column containers and the top bar
    Central,
    PageFrame,
    ServoFrame, // the SERVO frame spells its colour slightly differently
    RedPage,
    RosePage,
    GroupTitle,
    SubTrimTitle, // SUB-TRIM's title is a point larger
    PortBox,
    Curve,
    Tabs,
    Editor20, // spin, double spin and combo boxes: one sheet, two font sizes
    Editor22,
    TopCaption,
    TopReadout,
    ServoValue,
    ServoCaption,
    TrimReadout,
    Caption,
    CaptionLarge,
    CaptionSmall,
    Button16, // tool or push button by font size
    Button20,
    Button22,
    ResetButton,
    Lamp,
    UpperBar,
    LowerBar,
};

// The focus mark of the editors and buttons: their invisible border turns orange. Last in their
// sheets, so a focused control keeps it under the pointer too.
QString focusRule(const QString &className);

// The tint of an editor whose value is not on the transmitter (its dynamic property "pending" set).
// Before the focus mark and after the hover rule, so the tint stays under the pointer.
QString pendingRule(const QString &className);
// Both marks an editor's sheet ends with, in that order.
QString editorMarkRules(const QString &className);

// A channel bar's two colours: the groove (what is left empty) and the chunk (what is filled). Its sheet is
// written from them, and the bars' own painter fills with them.
struct BarColours {
    QColor groove, chunk;
};
BarColours barColours(Look look); // Look::UpperBar or Look::LowerBar

// The sheet text for a look; editor and button sheets name the widget's own class in their selectors.
QString styleSheet(Look look, const char *className);

// comboBox_rev1 alone carries a palette of its own: white on blue in every colour group. Its style
// sheet paints over it, and Qt then reports the sheet's colours, so the palette is exposed for tests.
QPalette reverseBoxPalette();

} // namespace form
