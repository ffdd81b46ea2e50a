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
// Use: pagegenerator TEMPLATE PAGE STYLESHEET NAMES
//   TEMPLATE   web/index.html.in, whose @SKALIX_CONTROLS@, @SKALIX_TITLE@
//              and @SKALIX_FOCUS@ are filled in
//   PAGE       the page to write
//   STYLESHEET the rules of the controls to write
//   NAMES      for the tests: every control that takes input, with what a
//              screen reader calls it on the desktop, as JSON

#include "pageform.h"

#include "key/presets.h"
#include "ui/controltable.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
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

std::string hex(controls::Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", unsigned(controls::classicRgb(colour)));
    return text;
}

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

std::string element(const ControlSpec &row, const web::PageForm &start)
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
            << "\" aria-label=\"" << escaped(spokenName(row)) << "\">";
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

void replace(std::string &text, std::string_view marker, const std::string &by)
{
    const std::size_t at = text.find(marker);
    if (at == std::string::npos) {
        std::cerr << "The page template has no " << marker << '\n';
        std::exit(1);
    }
    text.replace(at, marker.size(), by);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::cerr << "Use: pagegenerator TEMPLATE PAGE STYLESHEET NAMES\n";
        return 2;
    }
    web::PageForm start;
    presets::standardKey(start); // Form_Load
    if (!start.messages().empty()) {
        std::cerr << "The start-up showed a message: " << start.messages().front() << '\n';
        return 1;
    }

    std::string controls;
    std::string rules;
    const std::vector<ControlSpec> &table = controls::controlTable();
    for (const ControlSpec *row : pageOrder()) {
        controls += element(*row, start) + '\n';
        rules += rule(*row, std::size_t(row - table.data()) + 1);
    }
    controls.pop_back();

    std::ifstream templateFile(argv[1], std::ios::binary);
    std::string page{std::istreambuf_iterator<char>(templateFile), {}};
    replace(page, "@SKALIX_TITLE@", escaped(controls::kWindowTitle));
    replace(page, "@SKALIX_FOCUS@", escaped(start.focused()));
    replace(page, "@SKALIX_CONTROLS@", controls);
    std::ofstream(argv[2], std::ios::binary) << page;
    std::ofstream(argv[3], std::ios::binary) << rules;
    std::ofstream(argv[4], std::ios::binary) << spokenNames(start);
    return 0;
}
