// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QComboBox;
namespace Ui {
class MainWindow;
}

namespace form {

// A choice list and the combo boxes that offer it. An item's index is the value its parameter stores,
// so the order of the texts is part of the data format.
struct Choices {
    const std::vector<const char *> &items;
    std::vector<QComboBox *> boxes;
};

// Every combo box of the form except portNameBox, whose items are the serial ports.
std::vector<Choices> choiceTable(const Ui::MainWindow &f);

} // namespace form
