// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopcolours.h"

namespace controls {

QColor desktopColour(Colour colour, const QPalette &palette)
{
    switch (colour) {
    case Colour::ButtonFace:
        return palette.color(QPalette::Button);
    case Colour::ButtonText:
        return palette.color(QPalette::ButtonText);
    case Colour::WindowBackground:
        return palette.color(QPalette::Base);
    case Colour::WindowText:
        return palette.color(QPalette::Text);
    case Colour::TooltipBackground:
        return palette.color(QPalette::ToolTipBase);
    // Qt has no roles for these three; the classic desktop scheme's values.
    case Colour::AppWorkspace:
        return QColor(128, 128, 128);
    case Colour::MenuText:
        return QColor(0, 0, 0);
    case Colour::InactiveCaptionText:
        return QColor(212, 208, 200);
    case Colour::Black:
        return QColor(0, 0, 0);
    case Colour::White:
        return QColor(255, 255, 255);
    case Colour::LightGrey:
        return QColor(224, 224, 224);
    }
    return {};
}

} // namespace controls
