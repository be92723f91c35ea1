// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

// What to do with edits that are neither on the transmitter nor in a file, before something replaces
// or closes the form. Cancel is the default and Escape answers it.
enum class EditsChoice { Save, Discard, Cancel };

// `consequence` says what would happen to the edits; Save is offered only when `offerSave`.
EditsChoice askAboutEdits(QWidget *parent, const QString &consequence, bool offerSave);
