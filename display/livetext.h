// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Formatting of the live values shown in the top bar and on the SERVO tab. Pure, so the digit and
// blank rules can be tested without a window.

// A voltage in tenths of a volt: " 7.4V" below 10 V, "12.3 V" from 10 V on (higher digits dropped).
QString tenthsVoltageText(int tenths);
// The transmitter's voltage arrives in hundredths; it is shown with the same rule, truncated.
QString hundredthsVoltageText(int hundredths);
// Signal strength: "null" for no signal, "-05dBm" .. "-99dBm"; above 100 a positive level
// "+05dBm" .. "+155dBm".
QString rssiText(int rssiRaw);
// A read-out's figure without its blanks and unit, as a recording writes it and the monitor plots it:
// "12.3 V" -> "12.3", " 7.4V" -> "7.4", "-05dBm" -> "-05"; "null" (no signal) -> "".
QString readoutFigure(const QString &readout);

// The two halves of a channel's centre-split bar.
struct ChannelBars {
    int upper; // 0..1010, fills upward from the centre for outputs below 1000
    int lower; // 0..1000, empties downward for outputs above 1000
};
ChannelBars channelBars(int output);

// Which trim goes to which of the four SYSTEM read-outs for a stick mode (indexes 0..3 of StkTrim1..4).
struct TrimOrder {
    int trim[4];
};
TrimOrder trimOrder(int mode);
QString trimText(int trim);
