// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/namedfields.h"

const char *formGroupCaption(FormGroup group)
{
    static const char *const captions[] = {"BASIC", "ADVANCE1", "ADVANCE2", "PROG.MIX", "SYSTEM"};
    return captions[int(group)];
}
