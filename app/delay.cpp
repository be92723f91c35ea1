// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

void delayMs(int ms)
{
    TransmitterSession::pause(ms);
}
