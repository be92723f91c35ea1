// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;
class QString;

// A combo box the pointer has rested on for 20 display passes loses its hover highlight (so a
// pilot reading the value is not dazzled); it gets the normal sheet back once the pointer leaves.
struct HoverStep {
    enum Apply { Nothing, RestingSheet, NormalSheet };
    int counter;
    Apply apply;
};
HoverStep nextHoverStep(int counter, bool underMouse);

// Reads the style sheet resource now (nothing cached) up to its first NUL and applies it, with the
// focus mark after it.
void applyStyleSheetResource(QComboBox *box, const QString &path);

// Runs one pass of the rule for one box with its counter.
void trackHover(QComboBox *box, int &counter);
