// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTabWidget;
class QWidget;

// Brings an editor before the pilot's eyes: its tab current, the focus in it, and a short flash so the
// eye finds it among a hundred boxes. The views that list settings (changes, finder) all go this way.
void goToEditor(QTabWidget *tabs, QWidget *editor);
