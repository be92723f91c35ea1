// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace form {

// The icon of an image in the resources. Where the build drew the image at the size the form shows it
// (the command buttons at 60x60, the lamp at 40x40), that drawing is used; any other size, a high-DPI
// screen's for one, comes from the image itself, decoded only when first asked for. Either way it draws
// exactly what QIcon(path) would: the same actual sizes, the same pixels in every mode.
QIcon drawnIcon(const QString &path);

} // namespace form
