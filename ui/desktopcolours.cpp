// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopcolours.h"

#include "contrast.h"

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
    // Qt has no roles for the rest.
    default:
        return classicColour(colour);
    }
}

QColor classicColour(Colour colour) { return QColor::fromRgb(classicRgb(colour)); }

TextColours readableColours(Colour background, Colour text, const QPalette &palette,
                            double minimumContrast)
{
    const TextColours desktop{desktopColour(background, palette), desktopColour(text, palette)};
    if (contrast::ratio(desktop.background, desktop.text) >= minimumContrast)
        return desktop;
    const TextColours classic{classicColour(background), classicColour(text)};
    if (contrast::ratio(classic.background, classic.text)
        > contrast::ratio(desktop.background, desktop.text))
        return classic;
    return desktop;
}

} // namespace controls
