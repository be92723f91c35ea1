// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/parameterset.h"

// Keeps received telemetry off the stick trims while a command sets and sends them: set when made,
// cleared on every way out of the command. An unengaged lock (DATA RESET) touches nothing.
class TrimLock
{
public:
    explicit TrimLock(ParameterSet &p, bool engaged = true) : p(p), engaged(engaged)
    {
        if (engaged) p.StkTrimLock = 1;
    }
    ~TrimLock()
    {
        if (engaged) p.StkTrimLock = 0;
    }
    TrimLock(const TrimLock &) = delete;
    TrimLock &operator=(const TrimLock &) = delete;

private:
    ParameterSet &p;
    const bool engaged;
};
