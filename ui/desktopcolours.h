// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controltable.h"

#include <QColor>
#include <QPalette>

namespace controls {

// A named desktop colour: from the palette where Qt has the role, otherwise
// the classic desktop default.
QColor desktopColour(Colour colour, const QPalette &palette);

} // namespace controls
