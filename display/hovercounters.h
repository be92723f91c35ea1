// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/editorbindings.h"

#include <array>
#include <string_view>

namespace hover {

// Every combo box the display pass sets also has its style follow the pointer; counting them in the
// binding list sizes the counters, so a box added to the list gets its counter with it.
#define TX_EDITOR_CLASS(group, prefix, ...) std::string_view(#prefix),
inline constexpr std::string_view kEditorClasses[] = {
    TX_EDITOR_BINDINGS(TX_EDITOR_CLASS, TX_EDITOR_CLASS, TX_EDITOR_CLASS, TX_EDITOR_CLASS)};
#undef TX_EDITOR_CLASS

constexpr int trackedBoxes()
{
    int count = 0;
    for (std::string_view editorClass : kEditorClasses)
        if (editorClass == "comboBox") ++count;
    return count;
}

} // namespace hover

// How many display passes the pointer has rested on each tracked combo box, in binding-list order.
class HoverCounters
{
public:
    static constexpr int kSize = hover::trackedBoxes();

    int &operator[](int box) { return counts[box]; }

private:
    std::array<int, kSize> counts{};
};
