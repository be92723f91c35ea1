// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/framebuffers.h"

#include "link/textframes.h"

QString Str1 = frameTemplate(TextFrame::S);
QString Str2 = frameTemplate(TextFrame::G);
QString Str3 = frameTemplate(TextFrame::H);
QString Str4 = frameTemplate(TextFrame::I);
