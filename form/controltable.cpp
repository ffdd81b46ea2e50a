// SPDX-License-Identifier: GPL-3.0-or-later
#include "controltable.h"

#include "key/keytable.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace controls {

std::string elementName(std::string_view arrayName, int index)
{
    return std::string(arrayName) + '(' + std::to_string(index) + ')';
}

int pointsToPixels(double points) { return int(std::lround(points * 96.0 / 72.0)); }

std::uint32_t classicRgb(Colour colour)
{
    switch (colour) {
    case Colour::ButtonFace:
    case Colour::InactiveCaptionText:
        return 0xD4D0C8;
    case Colour::WindowBackground:
    case Colour::White:
        return 0xFFFFFF;
    case Colour::TooltipBackground:
        return 0xFFFFE1;
    case Colour::AppWorkspace:
        return 0x808080;
    case Colour::LightGrey:
        return 0xE0E0E0;
    case Colour::ButtonText:
    case Colour::WindowText:
    case Colour::MenuText:
    case Colour::Black:
        return 0x000000;
    }
    return 0;
}

namespace {

constexpr Align kRight = Align::Right;
constexpr Align kCentre = Align::Centre;

// The controls outside the grading key, from the top of the window down.
// On a narrow screen they stand above the key, two to a row: a label on the
// left half, its field or slider on the right; the six key buttons in three
// rows of two.
std::vector<ControlSpec> titleAndCommandControls()
{
    using enum Kind;
    // clang-format off
    return {
        {.name = "Command1", .kind = Button, .place = {120, 120, 855, 615}, .caption = "Ende",
         .toolTip = "Beendet den Skalix", .narrow = {1, 1, 1, 2}},
        {.name = "Text6(0)", .kind = TextBox, .place = {1080, 120, 3735, 615}, .caption = "Skalix",
         .accessibleName = "Programmname", .fontPoints = 24, .bold = true,
         .background = Colour::InactiveCaptionText, .framed = false, .narrow = {1, 3, 1, 5}},
        {.name = "Text6(1)", .kind = TextBox, .place = {3840, 720, 375, 255}, .caption = "von",
         .accessibleName = "von", .fontPoints = 8.25, .bold = true,
         .background = Colour::InactiveCaptionText, .framed = false, .narrow = {2, 3, 1, 2}},
        {.name = "Picture1", .kind = Picture, .place = {4200, 120, 2250, 1455},
         .picture = "picture1.jpg",
         .accessibleName = "Bild: eine Notenskala von 1 bis 6", .enabled = false,
         .narrow = {2, 5, 1, 4}},
        {.name = "Command5", .kind = Button, .place = {6000, 120, 375, 375}, .caption = "?",
         .toolTip = "Zeigt eine kurze Hilfe an", .accessibleName = "Hilfe", .narrow = {1, 8}},
        {.name = "Label2", .kind = Label, .place = {1080, 960, 1815, 375},
         .caption = "Maximalpunkte", .fontPoints = 12, .alignment = kRight, .narrow = {3, 1, 1, 4}},
        {.name = "Text1", .kind = TextBox, .place = {3000, 1080, 1215, 495}, .caption = "100",
         .toolTip = "Hier stehen die Maximalpunkte der Arbeit", .accessibleName = "Maximalpunkte",
         .fontPoints = 13.5, .alignment = kCentre, .number = true, .narrow = {3, 5, 1, 4}},
        {.name = "Label3", .kind = Label, .place = {0, 1320, 2895, 615},
         .caption = "Geben Sie an, wieviele Punkte man in Ihrer Arbeit maximal erreichen konnte:",
         .alignment = kRight, .narrow = {4, 1, 1, 4}},
        {.name = "HScroll1", .kind = ScrollBar, .place = {3000, 1560, 1215, 135},
         .accessibleName = "Regler für die Maximalpunkte", .value = 100, .narrow = {4, 5, 1, 4}},
        {.name = "Label4", .kind = Label, .place = {1080, 1800, 1815, 375},
         .caption = "Erreichte Punkte", .fontPoints = 12, .alignment = kRight,
         .narrow = {5, 1, 1, 4}},
        {.name = "Text2", .kind = TextBox, .place = {3000, 1920, 1215, 495}, .caption = "75",
         .toolTip = "Hier steht, wieviele Punkte ein Schüler tatsächlich erreicht hat",
         .accessibleName = "Erreichte Punkte", .fontPoints = 13.5, .alignment = kCentre,
         .number = true, .narrow = {5, 5, 1, 4}},
        {.name = "Command8", .kind = Button, .place = {4680, 1920, 1695, 615},
         .caption = "Berechnen", .narrow = {8, 5, 1, 4}},
        {.name = "Label5", .kind = Label, .place = {120, 2160, 2775, 375},
         .caption = "Geben Sie hier an, wieviele Punkte die SchülerIn erreicht hat",
         .alignment = kRight, .narrow = {6, 1, 1, 4}},
        {.name = "HScroll2", .kind = ScrollBar, .place = {3000, 2400, 1215, 135},
         .accessibleName = "Regler für die erreichten Punkte", .value = 75,
         .narrow = {6, 5, 1, 4}},
        {.name = "Label7", .kind = Label, .place = {1080, 2640, 1815, 375},
         .caption = "Erreichte Note", .fontPoints = 12, .bold = true, .alignment = kRight,
         .narrow = {7, 1, 1, 4}},
        {.name = "Text3", .kind = TextBox, .place = {3000, 2760, 1215, 495},
         .toolTip = "Hier das Ergebnis", .accessibleName = "Erreichte Note", .fontPoints = 18,
         .bold = true, .alignment = kCentre, .background = Colour::TooltipBackground,
         .foreground = Colour::MenuText, .enabled = false, .narrow = {7, 5, 1, 4}},
        {.name = "Shape1", .kind = Shape, .place = {3000, 2760, 1215, 495},
         .accessibleName = "Rahmen um die erreichte Note", .narrow = {7, 5, 1, 4}},
        {.name = "Label6", .kind = Label, .place = {0, 3000, 2895, 375},
         .caption = "Hier gibt das Programm den Notenvorschlag aus", .alignment = kRight,
         .narrow = {8, 1, 1, 4}},
        {.name = "Shape2", .kind = Panel, .place = {240, 3480, 6135, 5535},
         .accessibleName = "Notenschlüssel", .narrow = {9, 1, 15, 8}},
        {.name = "Command9", .kind = Button, .place = {360, 3960, 1335, 495},
         .caption = "IHK- Notenschlüssel", .narrow = {9, 1, 1, 4}},
        {.name = "Command3", .kind = Button, .place = {360, 4560, 1335, 735},
         .caption = "Linearen Notenschlüsel eintragen", .narrow = {9, 5, 1, 4}},
        {.name = "Command2", .kind = Button, .place = {360, 5400, 1335, 735},
         .caption = "Standard- Notenschlüssel eintragen", .narrow = {10, 1, 1, 4}},
        {.name = "Command4", .kind = Button, .place = {360, 6240, 1335, 735},
         .caption = "Werte aller Kommanoten löschen", .narrow = {10, 5, 1, 4}},
        {.name = "Command6", .kind = Button, .place = {360, 7080, 1335, 735},
         .caption = "Werte aller Noten löschen", .narrow = {11, 1, 1, 4}},
        {.name = "Command7", .kind = Button, .place = {360, 7920, 1335, 975},
         .caption = "Standard MSS-Punkte- Schlüssel eintragen", .narrow = {11, 5, 1, 4}},
        {.name = "Image1", .kind = Image, .place = {1560, 9120, 3075, 780},
         .picture = "image1.gif", .accessibleName = "Bild: die Noten 1 bis 6",
         .narrow = {24, 1, 1, 8}},
    };
    // clang-format on
}

constexpr int kKeyLeft = 2280;
constexpr int kKeyTop = 3840;
constexpr int kColumnStep = 600;
constexpr int kRowStep = 480;
constexpr int kFieldWidth = 500;
constexpr int kFieldHeight = 400;
constexpr double kKeyFontPoints = 9.75;
constexpr int kKeyRightCaptionsLeft = 5760;

// On a narrow screen the key keeps its grid: the rows of its captions and
// fields below the key buttons, its columns as on the window.
constexpr int kNarrowKeyFirstRow = 12; // the column captions above the fields

Cell narrowKeyCell(int left, int top)
{
    // Rows of 480 twips from the first row of fields; the column captions
    // stand half a row above it.
    const int row = kNarrowKeyFirstRow + (top - kKeyTop + kRowStep) / kRowStep;
    int column = 2 + (left - kKeyLeft) / kColumnStep;
    if (left < kKeyLeft)
        column = 1;
    else if (left >= kKeyRightCaptionsLeft)
        column = kNarrowColumns;
    return {row, column};
}

Twips gradeFieldPlace(int i)
{
    return {kKeyLeft + kColumnStep * (i / 10), kKeyTop + kRowStep * (i % 10), kFieldWidth,
            kFieldHeight};
}

// MSS field k covers the grade field of row 0, 4 or 9 in column k div 3.
Twips mssFieldPlace(int k)
{
    constexpr std::array<int, 3> rowTops{3840, 5760, 8160};
    return {kKeyLeft + kColumnStep * (k / 3), rowTops[k % 3], kFieldWidth, kFieldHeight};
}

void addKeyFields(std::vector<ControlSpec> &out)
{
    for (int i = 0; i < keytable::kGradeFieldCount; ++i) {
        const bool darkRow = (i % 10) % 2 == 0;
        const Twips place = gradeFieldPlace(i);
        out.push_back({.name = elementName("Text4", i),
                       .kind = Kind::TextBox,
                       .place = place,
                       .accessibleName = "Obergrenze für Note " + keytable::gradeText(i),
                       .fontPoints = kKeyFontPoints,
                       .alignment = kCentre,
                       .background = darkRow ? Colour::Black : Colour::LightGrey,
                       .foreground = darkRow ? Colour::White : Colour::Black,
                       .number = true,
                       .narrow = narrowKeyCell(place.left, place.top)});
    }
    for (int k = 0; k < keytable::kMssFieldCount; ++k) {
        const Twips place = mssFieldPlace(k);
        out.push_back(
            {.name = elementName("Text5", k),
             .kind = Kind::TextBox,
             .place = place,
             .accessibleName = "Obergrenze für " + keytable::pointsText(keytable::mssPoints(k)),
             .fontPoints = kKeyFontPoints,
             .alignment = kCentre,
             .background = Colour::Black,
             .foreground = Colour::White,
             .visible = false,
             .number = true,
             .narrow = narrowKeyCell(place.left, place.top)});
    }
}

constexpr int kLabelWidth = 375;
constexpr int kLabelHeight = 255;

// The captions of the grading key, Label8(0) to Label8(57).
//
// A label's index says nothing about its place: each label kept the index
// it was given when the window was first drawn, label by label. The index
// lists below are the window's own numbering, taken over as it stands, in
// the order of the captions they carry (columns 1,x to 6,x; rows x,0 to x,9;
// the points 15 to 0 under Text5(0) to Text5(15)). Label8(0..31) belong to
// grade mode, Label8(32..57) to MSS mode.
void addKeyLabels(std::vector<ControlSpec> &out)
{
    std::array<ControlSpec, keytable::kLabelCount> labels{};
    const auto place = [&](int index, const std::string &caption, int left, int top,
                           const std::string &spoken) {
        labels[index] = {.name = elementName("Label8", index),
                         .kind = Kind::Label,
                         .place = {left, top, kLabelWidth, kLabelHeight},
                         .caption = caption,
                         .accessibleName = spoken,
                         .alignment = kCentre,
                         .background = Colour::AppWorkspace,
                         .visible = index < keytable::kGradeLabelCount,
                         .narrow = narrowKeyCell(left, top)};
    };
    const auto columnCaption = [](int c) { return std::to_string(c + 1) + ",x"; };
    const auto rowCaption = [](int r) { return "x," + std::to_string(r); };
    const auto column = [](int c) { return "Spalte der Noten " + std::to_string(c + 1); };
    const auto row = [](int r) { return "Zeile der Zehntel " + std::to_string(r); };

    constexpr std::array<int, 6> gradeHeadersTop{2, 3, 4, 5, 6, 7};
    constexpr std::array<int, 6> gradeHeadersBottom{8, 9, 10, 11, 12, 13};
    constexpr std::array<int, 6> mssHeaders{38, 46, 47, 48, 57, 52};
    for (int c = 0; c < 6; ++c) {
        const int left = kKeyLeft + kColumnStep * c;
        place(gradeHeadersTop[c], columnCaption(c), left, 3600, column(c));
        place(gradeHeadersBottom[c], columnCaption(c), left, 8640, column(c));
        place(mssHeaders[c], columnCaption(c), left, 3600, column(c));
    }

    constexpr std::array<int, 10> rowsLeft{0, 19, 18, 17, 16, 15, 14, 1, 20, 21};
    constexpr std::array<int, 10> rowsRight{22, 28, 27, 26, 25, 24, 23, 29, 30, 31};
    for (int r = 0; r < 10; ++r) {
        const int top = kKeyTop + kRowStep * r;
        place(rowsLeft[r], rowCaption(r), r == 0 ? 1800 : 1920, top, row(r));
        place(rowsRight[r], rowCaption(r), 5760, top, row(r));
    }
    // The two "x,0" labels stand right-aligned against their row.
    labels[rowsLeft[0]].alignment = kRight;
    labels[rowsRight[0]].alignment = kRight;

    const std::string plus = "Zeile plus";
    const std::string minus = "Zeile minus";
    place(45, "+", 1800, 3840, plus);
    place(41, "+", 5760, 3840, plus);
    place(42, "-", 1920, 8160, minus);
    place(37, "-", 5760, 8160, minus);

    // The points caption under each MSS field.
    constexpr std::array<int, 16> pointsLabels{49, 40, 51, 50, 34, 53, 44, 32,
                                               56, 43, 35, 55, 39, 36, 54, 33};
    for (int k = 0; k < keytable::kMssFieldCount; ++k) {
        const Twips field = mssFieldPlace(k);
        ControlSpec &label = labels[pointsLabels[k]];
        const int points = keytable::mssPoints(k);
        place(pointsLabels[k], std::to_string(points), field.left + 120, field.top + 480,
              keytable::pointsText(points));
        label.fontPoints = kKeyFontPoints;
        label.bold = true;
        label.background = Colour::WindowBackground;
        label.foreground = Colour::WindowText;
    }
    out.insert(out.end(), labels.begin(), labels.end());
}

// Lowest first: the key panel, then labels, frames and the image, then the
// picture box, then the controls that take input (the title fields and "?"
// lie over the picture).
int layer(Kind kind)
{
    switch (kind) {
    case Kind::Panel:
        return 0;
    case Kind::Label:
    case Kind::Shape:
    case Kind::Image:
        return 1;
    case Kind::Picture:
        return 2;
    default:
        return 3;
    }
}

std::vector<ControlSpec> buildTable()
{
    std::vector<ControlSpec> all = titleAndCommandControls();
    addKeyLabels(all);
    addKeyFields(all);
    std::stable_sort(all.begin(), all.end(), [](const ControlSpec &a, const ControlSpec &b) {
        return layer(a.kind) < layer(b.kind);
    });
    return all;
}

std::vector<std::string> buildTabOrder()
{
    std::vector<std::string> order;
    for (int i = 0; i < keytable::kGradeFieldCount; ++i)
        order.push_back(elementName("Text4", i));
    order.insert(order.end(), {"Command1", "Text1", "Text2", "Text3", "Command3", "Command2",
                               "Command4", "HScroll1", "HScroll2", "Picture1", "Text6(0)",
                               "Text6(1)", "Command5", "Command6", "Command7"});
    for (int k = 0; k < keytable::kMssFieldCount; ++k)
        order.push_back(elementName("Text5", k));
    order.insert(order.end(), {"Command8", "Command9"});
    return order;
}

} // namespace

const std::vector<ControlSpec> &controlTable()
{
    static const std::vector<ControlSpec> table = buildTable();
    return table;
}

const std::vector<std::string> &tabOrder()
{
    static const std::vector<std::string> order = buildTabOrder();
    return order;
}

} // namespace controls
