// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window described as data: one row per control, in stacking order
// (first row lowest), and the tab order. FormSkalix builds its controls from
// these rows in a loop; nothing about a single control is written by hand.
//
// Places are in twips as the window was laid out (15 twips are one pixel),
// fonts in points of a 96-dpi screen (0 means the window's own font).

#include <Qt>

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace controls {

// Panel is a rectangle like Shape, but lies behind every other control.
enum class Kind { Button, TextBox, Label, ScrollBar, Shape, Panel, Picture, Image };

// Named desktop colours, resolved against Qt's palette by desktopcolours.h.
enum class Colour {
    ButtonFace,
    ButtonText,
    WindowBackground,
    WindowText,
    AppWorkspace,
    TooltipBackground,
    MenuText,
    InactiveCaptionText,
    Black,
    White,
    LightGrey,
};

struct Twips
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlSpec
{
    QString name; // objectName: "Command1", "Text4(0)", "Label8(57)"
    Kind kind = Kind::Label;
    Twips place;
    QString caption; // caption or start text
    QString picture; // pictures: the image's resource path
    QString toolTip;
    QString accessibleName; // what a screen reader says; empty: the caption
    double fontPoints = 0;  // 0: the window's font
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    // Unset: the kind's own, window colours for text boxes, button colours
    // for labels and buttons.
    std::optional<Colour> background;
    std::optional<Colour> foreground;
    bool enabled = true;
    bool visible = true;
    bool framed = true; // text boxes: draw their frame
    int value = 0;      // sliders: start value
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kWindowWidthTwips = 6660;
inline constexpr int kWindowHeightTwips = 9990;
inline constexpr double kWindowFontPoints = 8.25;
inline constexpr int kSliderMinimum = 0;
inline constexpr int kSliderMaximum = 100;

// Every control of the window, lowest in the stack first.
const std::vector<ControlSpec> &controlTable();

// The objectNames of the controls that can take the focus, in tab order.
const QStringList &tabOrder();

// "Text4" and 7 -> "Text4(7)".
QString elementName(const char *arrayName, int index);

} // namespace controls
