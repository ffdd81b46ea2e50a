// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window described as data: one row per control, in stacking order
// (first row lowest), and the tab order. The desktop window builds its
// controls from these rows in a loop, and the web page is generated from
// them when the site is built; nothing about a single control is written
// anywhere else. Plain C++, so that both faces can use it.
//
// Places are in twips as the window was laid out (15 twips are one pixel),
// fonts in points of a 96-dpi screen (0 means the window's own font).
// Screens too narrow for the window (phones) show the same controls on a
// grid of kNarrowColumns columns: the key's row captions in the first and
// last column, its six columns of fields between them, and the rest of the
// window spread over the same columns, row by row.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace controls {

// Panel is a rectangle like Shape, but lies behind every other control.
enum class Kind { Button, TextBox, Label, ScrollBar, Shape, Panel, Picture, Image };

enum class Align { Left, Centre, Right };

// Named desktop colours: the desktop resolves them against its palette
// (desktopcolours.h), the web page takes their classic values.
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

// The colour as the classic desktop scheme has it, 0xRRGGBB.
std::uint32_t classicRgb(Colour colour);

struct Twips
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A control's place on the narrow grid, counted from 1.
struct Cell
{
    int row = 0;
    int column = 0;
    int rows = 1;
    int columns = 1;
};

struct ControlSpec
{
    std::string name; // objectName and element id: "Command1", "Text4(0)", "Label8(57)"
    Kind kind = Kind::Label;
    Twips place;
    std::string caption; // caption or start text
    std::string picture; // pictures: the image's file in ui/images
    std::string toolTip;
    std::string accessibleName; // what a screen reader says; empty: the caption
    double fontPoints = 0;      // 0: the window's font
    bool bold = false;
    Align alignment = Align::Left;
    // Unset: the kind's own, window colours for text boxes, button colours
    // for labels and buttons.
    std::optional<Colour> background;
    std::optional<Colour> foreground;
    bool enabled = true;
    bool visible = true;
    bool framed = true;  // text boxes: draw their frame
    bool number = false; // text boxes: holds a number (a keypad on touch screens)
    int value = 0;       // sliders: start value
    Cell narrow;
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kWindowWidthTwips = 6660;
inline constexpr int kWindowHeightTwips = 9990;
inline constexpr double kWindowFontPoints = 8.25;
inline constexpr int kSliderMinimum = 0;
inline constexpr int kSliderMaximum = 100;
inline constexpr int kSliderPageStep = 10;
inline constexpr int kNarrowColumns = 8;
// A screen shows the window as laid out where it holds the window with a
// margin of kScreenMarginPixels at either side, and is at least
// kWideScreenMinHeightPixels high (a phone turned sideways is not); any
// other screen shows the grid.
inline constexpr int kScreenMarginPixels = 8;
inline constexpr int kWideScreenMinHeightPixels = 500;

// The window's caption. It names a domain of our own; it stands for no
// real publisher.
inline constexpr std::string_view kWindowTitle = "Skalix - von www.skalix.example";

// Every control of the window, lowest in the stack first.
const std::vector<ControlSpec> &controlTable();

// The names of the controls that can take the focus, in tab order.
const std::vector<std::string> &tabOrder();

// "Text4" and 7 -> "Text4(7)".
std::string elementName(std::string_view arrayName, int index);

// A font size in points, as pixels of a 96-dpi screen: 8.25 -> 11.
int pointsToPixels(double points);

} // namespace controls
