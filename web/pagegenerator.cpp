// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the web page from the control table, when the site is built: every
// control of the window as an HTML element of the same name (id), with its
// caption or start text, tool tip (title), accessible name, and a rule of
// the style sheet for its place, size, font and colours on a screen wide
// enough for the window, and its place on the grid of a narrow one. The
// start-up runs here, on the table's start values, so the page opens with
// the standard key entered and the grade for 75 of 100 points shown.
//
// The elements stand in the window's tab order, which is then the page's;
// each control that takes no focus (labels, frames, pictures) stands just
// before the control nearest to it on the window, so that a screen reader
// reading the page meets a caption beside what it belongs to.
//
// What the page, its style sheet, script and manifest share with the
// window (its size and colour, its font, the pause before a grade is told,
// the size of screen that shows the window as laid out) comes from here
// too, written into the templates, never a second time by hand.
//
// Use: pagegenerator OUTPUT PAGE STYLESHEET MANIFEST
//   OUTPUT     the folder to write into: index.html, skalix.css,
//              manifest.webmanifest, characters.txt (every character the
//              page may show but what is typed, for the font) and for the
//              tests names.json (every control that takes input, with what
//              a screen reader calls it on the desktop)
//   PAGE       web/index.html.in
//   STYLESHEET web/skalix.css, the page's own rules; the controls' rules
//              follow them
//   MANIFEST   dist/web/manifest.webmanifest.in
// In the templates, @SKALIX_...@ markers are filled in (see fill()).

#include "pageform.h"

#include "form/controltable.h"
#include "form/events.h"
#include "form/helptext.h"

#include "arith/percentagekeys.h"
#include "eval/liveevaluation.h"

#include "key/announcement.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using controls::ControlSpec;
using controls::Kind;

namespace {

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// "Text4(0)" as a CSS selector: #Text4\(0\)
std::string selector(const std::string &name)
{
    std::string out = "#";
    for (const char c : name) {
        if (c == '(' || c == ')')
            out += '\\';
        out += c;
    }
    return out;
}

// The page's own colour around the window.
constexpr std::uint32_t kPageColour = 0xE7E5E0;

std::string hex(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", unsigned(rgb));
    return text;
}

std::string hex(controls::Colour colour) { return hex(controls::classicRgb(colour)); }

std::string pixels(int twips) { return std::to_string(twips / controls::kTwipsPerPixel) + "px"; }

const char *kindClass(Kind kind)
{
    switch (kind) {
    case Kind::Button:
        return "button";
    case Kind::TextBox:
        return "text";
    case Kind::Label:
        return "label";
    case Kind::ScrollBar:
        return "slider";
    case Kind::Shape:
        return "shape";
    case Kind::Panel:
        return "panel";
    case Kind::Picture:
    case Kind::Image:
        return "picture";
    }
    return "";
}

const std::string &spokenName(const ControlSpec &row)
{
    return row.accessibleName.empty() ? row.caption : row.accessibleName;
}

// "picture1.jpg" -> "picture1@2x.jpg", the form for screens of twice the
// density.
std::string doubleSize(const std::string &file)
{
    const std::size_t dot = file.rfind('.');
    return file.substr(0, dot) + "@2x" + file.substr(dot);
}

// How much lower than the window shows it a control must reach to be a
// target of 24 pixels, the least a finger or an unsteady hand needs (WCAG
// 2.2, 2.5.8): the sliders, and the title field "von".
int extraHeight(const ControlSpec &row)
{
    constexpr int kLeastTarget = 24;
    const bool target = row.kind == Kind::Button || row.kind == Kind::ScrollBar
                        || (row.kind == Kind::TextBox && row.enabled);
    return target ? std::max(0, kLeastTarget - row.place.height / controls::kTwipsPerPixel) : 0;
}

// A control as an element of the page. What takes input stands out of use
// (disabled) until the page's script has the program running: where it
// cannot run (no script, a module refused), nothing can be typed beside
// the start's grade that the page was made with. Browsers are kept from
// filling fields from their memory of a page reloaded (autocomplete off),
// which would put points beside a grade they do not give.
std::string element(const ControlSpec &row, const web::PageForm &start, int narrowPlace)
{
    std::ostringstream out;
    const std::string name = escaped(row.name);
    out << '<';
    const char *tag = "div";
    switch (row.kind) {
    case Kind::Button:
        tag = "button";
        out << "button type=\"button\"";
        break;
    case Kind::TextBox:
    case Kind::ScrollBar:
        tag = nullptr;
        out << "input";
        break;
    case Kind::Picture:
    case Kind::Image:
        tag = nullptr;
        out << "img";
        break;
    default:
        out << "div";
    }
    out << " id=\"" << name << "\" class=\"c " << kindClass(row.kind)
        << (row.kind == Kind::TextBox && !row.framed ? " frameless" : "")
        << (extraHeight(row) > 0 ? " small" : "") << '"';
    if (!start.visible(row.name))
        out << " hidden";
    if (!row.toolTip.empty())
        out << " title=\"" << escaped(row.toolTip) << '"';
    out << " data-narrow=\"" << narrowPlace << '"';
    if (row.kind == Kind::Button || row.kind == Kind::TextBox || row.kind == Kind::ScrollBar)
        out << " disabled";

    switch (row.kind) {
    case Kind::Button:
        if (!row.accessibleName.empty() && row.accessibleName != row.caption)
            out << " aria-label=\"" << escaped(row.accessibleName) << '"';
        out << '>' << escaped(row.caption);
        break;
    case Kind::TextBox:
        out << " type=\"text\" value=\"" << escaped(start.text(row.name)) << "\" aria-label=\""
            << escaped(spokenName(row)) << "\" autocomplete=\"off\" spellcheck=\"false\"";
        if (row.number)
            out << " inputmode=\"decimal\"";
        // A field that is disabled on the window shows its text and takes no
        // focus; only the program writes it.
        if (!row.enabled)
            out << " readonly tabindex=\"-1\"";
        out << '>';
        break;
    case Kind::ScrollBar:
        out << " type=\"range\" min=\"" << controls::kSliderMinimum << "\" max=\""
            << controls::kSliderMaximum << "\" step=\"1\" value=\"" << row.value
            << "\" aria-label=\"" << escaped(spokenName(row)) << "\" autocomplete=\"off\">";
        break;
    case Kind::Picture:
    case Kind::Image:
        out << " src=\"{{" << row.picture << "}}\" srcset=\"{{" << doubleSize(row.picture)
            << "}} 2x\" width=\"" << row.place.width / controls::kTwipsPerPixel << "\" height=\""
            << row.place.height / controls::kTwipsPerPixel << "\" alt=\""
            << escaped(spokenName(row)) << "\">";
        break;
    case Kind::Shape:
    case Kind::Panel:
        // Frames drawn around controls; nothing to read.
        out << " aria-hidden=\"true\">";
        break;
    case Kind::Label:
        out << '>';
        if (row.accessibleName.empty() || row.accessibleName == row.caption)
            out << escaped(row.caption);
        else
            out << "<span aria-hidden=\"true\">" << escaped(row.caption)
                << "</span><span class=\"sr-only\">" << escaped(row.accessibleName) << "</span>";
        break;
    }
    if (tag)
        out << "</" << tag << '>';
    return out.str();
}

// A control's rule; stacked as on the window, by its place in the table.
std::string rule(const ControlSpec &row, std::size_t stackIndex)
{
    std::ostringstream out;
    const double points = row.fontPoints > 0 ? row.fontPoints : controls::kWindowFontPoints;
    out << selector(row.name) << "{--x:" << pixels(row.place.left)
        << ";--y:" << pixels(row.place.top) << ";--w:" << pixels(row.place.width)
        << ";--h:" << pixels(row.place.height) << ";--row:" << row.narrow.row
        << ";--col:" << row.narrow.column << ";--rows:" << row.narrow.rows
        << ";--cols:" << row.narrow.columns << ";--f:" << controls::pointsToPixels(points)
        << "px;z-index:" << stackIndex;
    if (extraHeight(row) > 0)
        out << ";--extra:" << extraHeight(row) << "px";
    if (row.bold)
        out << ";font-weight:700";
    if (row.alignment != controls::Align::Left)
        out << ";text-align:" << (row.alignment == controls::Align::Centre ? "center" : "right");
    const bool textBox = row.kind == Kind::TextBox;
    if (row.kind == Kind::TextBox || row.kind == Kind::Label || row.kind == Kind::Button) {
        using controls::Colour;
        out << ";background:"
            << hex(row.background.value_or(textBox ? Colour::WindowBackground : Colour::ButtonFace))
            << ";color:"
            << hex(row.foreground.value_or(textBox ? Colour::WindowText : Colour::ButtonText));
    }
    out << "}\n";
    return out.str();
}

// How far apart two controls are on the window: first the gap between
// them (none where they touch or overlap), then the distance of their
// centres; controls of the other mode (shown at start or not) count as far.
struct Distance
{
    bool otherMode;
    double gap;
    double centres;
    auto operator<=>(const Distance &) const = default;
};

Distance distance(const ControlSpec &a, const ControlSpec &b)
{
    const auto axis = [](int startA, int lengthA, int startB, int lengthB) {
        const double gap = std::max({0, startB - (startA + lengthA), startA - (startB + lengthB)});
        const double centres = (startA + lengthA / 2.0) - (startB + lengthB / 2.0);
        return std::pair{gap, centres};
    };
    const auto [gapX, centreX] = axis(a.place.left, a.place.width, b.place.left, b.place.width);
    const auto [gapY, centreY] = axis(a.place.top, a.place.height, b.place.top, b.place.height);
    return {a.visible != b.visible, gapX * gapX + gapY * gapY,
            centreX * centreX + centreY * centreY};
}

// The controls in the page's order: the tab order, each other control just
// before the one of the tab order nearest to it (the first of equals).
std::vector<const ControlSpec *> pageOrder()
{
    const std::vector<ControlSpec> &table = controls::controlTable();
    const std::vector<std::string> &tabOrder = controls::tabOrder();
    const auto byName = [&table](const std::string &name) {
        return &*std::find_if(table.begin(), table.end(),
                              [&name](const ControlSpec &row) { return row.name == name; });
    };
    std::vector<std::vector<const ControlSpec *>> before(tabOrder.size());
    for (const ControlSpec &row : table) {
        if (std::find(tabOrder.begin(), tabOrder.end(), row.name) != tabOrder.end())
            continue;
        std::size_t nearest = 0;
        for (std::size_t i = 1; i < tabOrder.size(); ++i) {
            if (distance(row, *byName(tabOrder[i])) < distance(row, *byName(tabOrder[nearest])))
                nearest = i;
        }
        before[nearest].push_back(&row);
    }
    std::vector<const ControlSpec *> order;
    for (std::size_t i = 0; i < tabOrder.size(); ++i) {
        order.insert(order.end(), before[i].begin(), before[i].end());
        order.push_back(byName(tabOrder[i]));
    }
    return order;
}

// Each control's place in the order of the grid of small screens, by its
// page order: the grid's reading order, row by row, each row from the left
// (of controls in the same cell, the first in the page first). Tab, a
// screen reader and the eye then go the same way (the page's script puts
// the controls in this order where the grid is shown).
std::map<const ControlSpec *, int> narrowPlaces(const std::vector<const ControlSpec *> &page)
{
    std::vector<const ControlSpec *> narrow = page;
    std::stable_sort(narrow.begin(), narrow.end(), [](const ControlSpec *a, const ControlSpec *b) {
        return std::pair(a->narrow.row, a->narrow.column)
               < std::pair(b->narrow.row, b->narrow.column);
    });
    std::map<const ControlSpec *, int> places;
    for (std::size_t i = 0; i < narrow.size(); ++i)
        places[narrow[i]] = int(i);
    return places;
}

// [{"name": "Text1", "kind": "text", "spoken": "Maximalpunkte", "shown": true}, ...]
std::string spokenNames(const web::PageForm &start)
{
    std::string json = "[";
    for (const ControlSpec &row : controls::controlTable()) {
        if (row.kind != Kind::Button && row.kind != Kind::TextBox && row.kind != Kind::ScrollBar)
            continue;
        json += std::string(json.size() > 1 ? ",\n" : "") + "{\"name\": \"" + row.name
                + "\", \"kind\": \"" + kindClass(row.kind) + "\", \"spoken\": \"" + spokenName(row)
                + "\", \"shown\": " + (start.visible(row.name) ? "true" : "false") + "}";
    }
    return json + "]\n";
}

// The screens that show the window as laid out, as a media query.
std::string wideScreen()
{
    const int width =
        controls::kWindowWidthTwips / controls::kTwipsPerPixel + 2 * controls::kScreenMarginPixels;
    return "(min-width: " + std::to_string(width)
           + "px) and (min-height: " + std::to_string(controls::kWideScreenMinHeightPixels) + "px)";
}

// What the style sheet reads of the window, as custom properties.
std::string windowProperties()
{
    return ":root{--window-width:" + pixels(controls::kWindowWidthTwips)
           + ";--window-height:" + pixels(controls::kWindowHeightTwips)
           + ";--window-colour:" + hex(controls::Colour::ButtonFace)
           + ";--page-colour:" + hex(kPageColour) + ";--window-font:"
           + std::to_string(controls::pointsToPixels(controls::kWindowFontPoints))
           + "px;--screen-margin:" + std::to_string(controls::kScreenMarginPixels) + "px}\n";
}

std::string read(const char *path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "Cannot read " << path << '\n';
        std::exit(1);
    }
    return {std::istreambuf_iterator<char>(file), {}};
}

void write(const std::string &path, const std::string &text)
{
    if (!(std::ofstream(path, std::ios::binary) << text)) {
        std::cerr << "Cannot write " << path << '\n';
        std::exit(1);
    }
}

// Every @SKALIX_NAME@ of a template with its value; a marker that is not
// known stops the build.
std::string fill(std::string text, const std::vector<std::pair<std::string, std::string>> &values)
{
    for (std::size_t at = text.find("@SKALIX_"); at != std::string::npos;
         at = text.find("@SKALIX_", at)) {
        const std::size_t end = text.find('@', at + 1);
        const std::string marker = text.substr(at, end == std::string::npos ? 8 : end + 1 - at);
        const auto value = std::find_if(values.begin(), values.end(), [&marker](const auto &pair) {
            return pair.first == marker;
        });
        if (value == values.end()) {
            std::cerr << "Unknown marker in a page template: " << marker << '\n';
            std::exit(1);
        }
        text.replace(at, marker.size(), value->second);
        at += value->second.size();
    }
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::cerr << "Use: pagegenerator OUTPUT PAGE STYLESHEET MANIFEST\n";
        return 2;
    }
    web::PageForm start;
    events::Form_Load(start);
    if (!start.messages().empty()) {
        std::cerr << "The start-up showed a message: " << start.messages().front() << '\n';
        return 1;
    }

    std::string controls;
    std::string rules = windowProperties();
    const std::vector<ControlSpec> &table = controls::controlTable();
    const std::vector<const ControlSpec *> page = pageOrder();
    const std::map<const ControlSpec *, int> narrow = narrowPlaces(page);
    for (const ControlSpec *row : page) {
        controls += element(*row, start, narrow.at(row)) + '\n';
        rules += rule(*row, std::size_t(row - table.data()) + 1);
    }
    controls.pop_back();

    const std::vector<std::pair<std::string, std::string>> values{
        {"@SKALIX_TITLE@", escaped(controls::kWindowTitle)},
        {"@SKALIX_FOCUS@", escaped(start.focused())},
        {"@SKALIX_CONTROLS@", controls},
        {"@SKALIX_WIDE_SCREEN@", wideScreen()},
        {"@SKALIX_PAUSE_MS@", std::to_string(announcement::kPauseMs)},
        {"@SKALIX_WINDOW_COLOUR@", hex(controls::Colour::ButtonFace)},
        {"@SKALIX_PAGE_COLOUR@", hex(kPageColour)},
        {"@SKALIX_DESCRIPTION@", SKALIX_DESCRIPTION},
    };
    const std::string output = argv[1];
    const std::string pageText = fill(read(argv[2]), values);
    write(output + "/index.html", pageText);
    write(output + "/skalix.css",
          fill(read(argv[3]), values) + "\n/* The controls, from the control table. */\n" + rules);
    write(output + "/manifest.webmanifest", fill(read(argv[4]), values));
    write(output + "/names.json", spokenNames(start));
    // What the page shows in its own font: its texts, and what the program
    // says in its messages.
    write(output + "/characters.txt", pageText + helpText()
                                          + std::string(eval::kInconsistentTableMessage)
                                          + std::string(Skalix::kNegativePercentageMessage));
    return 0;
}
