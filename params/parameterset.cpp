// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/parameterset.h"

ParameterSet params;
