// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/controltable.h"

#include <QColor>
#include <QPalette>

namespace controls {

// A named desktop colour: from the palette where Qt has the role, otherwise
// the classic desktop's value.
QColor desktopColour(Colour colour, const QPalette &palette);

// The named colour on the classic light desktop the window was laid out
// for: grey button faces, white fields, black text.
QColor classicColour(Colour colour);

struct TextColours
{
    QColor background;
    QColor text;
};

// The colours a text is drawn in. Some of the window's colours are fixed
// (the grey of the key labels and title fields, the black result text),
// the others the desktop's; where a desktop's choice meets a fixed colour
// (white text on the light grey title under a dark desktop, black text on a
// dark tooltip colour) the text could become unreadable. Then the pair of
// the classic desktop is used instead, which reads at least as well. On a
// desktop whose pair reaches the minimum contrast nothing changes.
TextColours readableColours(Colour background, Colour text, const QPalette &palette,
                            double minimumContrast);

} // namespace controls
