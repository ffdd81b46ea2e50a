// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a field keeps of a pasted or dropped text, on the desktop and on
// the web page alike.
//
// A cell copied from a spreadsheet comes with a line break ("45\r\n"),
// which a one-line field would keep, and show as blanks after the number.
// Line breaks and tabs at either end are dropped: tab, line feed, vertical
// tab, form feed, carriage return, next line (U+0085), line separator
// (U+2028) and paragraph separator (U+2029), the characters that cannot be
// typed into a one-line field. Inside a text they stay, and such a text
// reads as no number (two cells are not one number).

#include <cstddef>
#include <string>
#include <string_view>

namespace pastedtext {

// Where the text without the breaks at either end begins and ends, in
// bytes of its UTF-8.
struct Span
{
    std::size_t begin;
    std::size_t end;
};
Span withoutEndBreaks(std::string_view text);

// What a one-line field can hold of a break inside: the window's fields
// hold every character; an HTML field drops line feeds and carriage
// returns, so there a line break inside becomes a blank.
enum class InnerBreaks { Kept, AsBlanks };

// The text, UTF-8, as the field takes it in.
std::string clean(std::string_view text, InnerBreaks inner = InnerBreaks::Kept);

} // namespace pastedtext
